#ifndef TESTS_GUI_RECIPE_OUTSIDETEMPERATUREPRESENTER_HPP
#define TESTS_GUI_RECIPE_OUTSIDETEMPERATUREPRESENTER_HPP

#include "gui/common/ModelPresenter.hpp"
#include "model/DataPoint.hpp"

class OutsideTemperatureView;

// The example screen of the recipe: the adjusted outside temperature and whether the boiler's
// temperature sensor reports a fault. The presenter pushes nothing: it watches what the screen
// shows, answers hasDataChanged, and the view pulls what it shows through the getters.
class OutsideTemperaturePresenter : public ModelPresenter
{
public:
    static constexpr uint32_t OUTSIDE_TEMPERATURE = 214;
    static constexpr uint32_t SENSOR_STATUS = 9;

    explicit OutsideTemperaturePresenter(OutsideTemperatureView&) {}

    void activate() override;
    void deactivate() override;
    // GUI task, asked every frame: true once after a change of anything watched, and once on
    // entry, so that the view first shows what the table holds.
    bool hasDataChanged();

    float getTemperature() { return outsideTemperature().getValue(); }
    bool hasSensorFault() { return sensorStatus.getValue() != 0; }

private:
    model::DataPoint<float, DP_SCALED_S16>& outsideTemperature();

    // A point of the screen's own beside a group member that other readers share.
    model::DataPoint<unsigned char, DP_U8> sensorStatus{SENSOR_STATUS};
    bool entered = false;
};

#endif
