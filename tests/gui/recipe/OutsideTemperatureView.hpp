#ifndef TESTS_GUI_RECIPE_OUTSIDETEMPERATUREVIEW_HPP
#define TESTS_GUI_RECIPE_OUTSIDETEMPERATUREVIEW_HPP

#include "gui/recipe/OutsideTemperaturePresenter.hpp"

#include <quillon/View.hpp>
#include <quillon/widgets/Box.hpp>
#include <quillon/widgets/TextAreaWithOneWildcard.hpp>

class OutsideTemperatureView : public quillon::View<OutsideTemperaturePresenter>
{
public:
    static constexpr quillon::Color BACKGROUND = 0x0000;
    static constexpr quillon::Color SENSOR_OK = 0x07E0;
    static constexpr quillon::Color SENSOR_FAULT = 0xF800;
    static const quillon::Rectangle TEMPERATURE_AREA;
    static const quillon::Rectangle LAMP_AREA;

    OutsideTemperatureView();

    void setUp() override;
    // What BaseView::refresh does for every screen of the panel: ask, then pull.
    void onTick() override
    {
        if (presenter->hasDataChanged()) {
            update();
        }
    }
    // Reads the presenter's getters; each setter below shows only what is new.
    void update()
    {
        showTemperature(presenter->getTemperature());
        showSensorFault(presenter->hasSensorFault());
    }

    // Each returns at once when it would show what is shown.
    void showTemperature(float celsius);
    void showSensorFault(bool fault);

    // For tests: how many times a setter found something new, and the number shown.
    uint32_t updates() const { return updateCount; }
    const quillon::WideChar* shownTemperature() const { return temperatureText; }

private:
    static constexpr uint16_t TEMPERATURE_UNITS = 8;

    quillon::Box background;
    quillon::TextAreaWithOneWildcard temperature;
    quillon::Box sensorLamp;
    quillon::WideChar temperatureText[TEMPERATURE_UNITS];
    int32_t shownTenths;
    bool sensorShown;
    bool shownFault;
    uint32_t updateCount;
};

#endif
