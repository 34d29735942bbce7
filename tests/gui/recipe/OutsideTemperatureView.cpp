#include "gui/recipe/OutsideTemperatureView.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

#include <math.h>

namespace
{
const quillon::TextId TEXT_TEMPERATURE_CELSIUS = 21; // "%s°C"
const int32_t NOTHING_SHOWN = INT32_MIN;
} // namespace

const quillon::Rectangle OutsideTemperatureView::TEMPERATURE_AREA(100, 200, 300, 40);
const quillon::Rectangle OutsideTemperatureView::LAMP_AREA(500, 200, 40, 40);

OutsideTemperatureView::OutsideTemperatureView()
    : temperatureText(), shownTenths(NOTHING_SHOWN), sensorShown(false), shownFault(false), updateCount(0)
{
}

void OutsideTemperatureView::setUp()
{
    background.setPosition(0, 0, 800, 480);
    background.setColor(BACKGROUND);
    temperature.setPosition(TEMPERATURE_AREA.x, TEMPERATURE_AREA.y, TEMPERATURE_AREA.width, TEMPERATURE_AREA.height);
    temperature.setTextId(quillon::TypedText(TEXT_TEMPERATURE_CELSIUS));
    temperature.setColor(0xFFFF);
    temperature.setWildcard(temperatureText);
    sensorLamp.setPosition(LAMP_AREA.x, LAMP_AREA.y, LAMP_AREA.width, LAMP_AREA.height);
    sensorLamp.setColor(SENSOR_OK);
    add(background);
    add(temperature);
    add(sensorLamp);
}

void OutsideTemperatureView::showTemperature(float celsius)
{
    // Shown in tenths: a change below that shows nothing new.
    const int32_t tenths = static_cast<int32_t>(lroundf(celsius * 10.0f));
    if (tenths == shownTenths) {
        return;
    }
    shownTenths = tenths;
    const int32_t magnitude = tenths < 0 ? -tenths : tenths;
    uint16_t used = 0;
    if (tenths < 0) {
        temperatureText[used++] = '-'; // also for -0.5, which "%d" would lose
    }
    quillon::WideString::snprintf(temperatureText + used, static_cast<uint16_t>(TEMPERATURE_UNITS - used), "%d.%d",
                                  static_cast<int>(magnitude / 10), static_cast<int>(magnitude % 10));
    temperature.invalidate();
    ++updateCount;
}

void OutsideTemperatureView::showSensorFault(bool fault)
{
    if (sensorShown && fault == shownFault) {
        return;
    }
    sensorShown = true;
    shownFault = fault;
    sensorLamp.setColor(fault ? SENSOR_FAULT : SENSOR_OK);
    sensorLamp.invalidate();
    ++updateCount;
}
