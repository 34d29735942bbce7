#ifndef TESTS_GUI_RECIPE_OUTSIDETEMPERATUREPRESENTER_HPP
#define TESTS_GUI_RECIPE_OUTSIDETEMPERATUREPRESENTER_HPP

#include "gui/common/ModelPresenter.hpp"
#include "model/DataPoint.hpp"

class OutsideTemperatureView;

// The example screen of the recipe: the adjusted outside temperature and whether the boiler's
// temperature sensor reports a fault.
class OutsideTemperaturePresenter : public ModelPresenter
{
public:
    static constexpr uint32_t OUTSIDE_TEMPERATURE = 214;
    static constexpr uint32_t SENSOR_STATUS = 9;

    explicit OutsideTemperaturePresenter(OutsideTemperatureView& view) : view(view) {}

    void activate() override;
    void deactivate() override;
    // GUI task, every frame.
    void tick();

private:
    void showAll();
    model::DataPoint<float, DP_SCALED_S16>& outsideTemperature();

    OutsideTemperatureView& view;
    // A point of the screen's own beside a group member that other readers share.
    model::DataPoint<unsigned char, DP_U8> sensorStatus{SENSOR_STATUS};
};

#endif
