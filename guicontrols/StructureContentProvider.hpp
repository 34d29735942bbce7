#ifndef GUICONTROLS_STRUCTURECONTENTPROVIDER_HPP
#define GUICONTROLS_STRUCTURECONTENTPROVIDER_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace guicontrols
{
// The formatters of the structure providers: numbers land in the value buffer, fixed words
// come straight from the text database.
class StructureContentProvider
{
public:
    static const uint16_t BUFFER_SIZE = 100;

    StructureContentProvider();

    virtual const quillon::WideChar* formatBullet(const quillon::WideChar* text);
    // "---" when invalid; else whole degrees, halves away from zero.
    virtual const quillon::WideChar* formatTemperature(int32_t tenths, uint8_t invalid);
    // DD.MM.YYYY HH:MM; 0 is 01.01.1970 00:00.
    virtual const quillon::WideChar* formatDateTime(uint32_t seconds);
    virtual const quillon::WideChar* formatPercent(uint32_t halves);
    virtual const quillon::WideChar* formatPower(int32_t value);
    virtual const quillon::WideChar* formatOnOff(bool on);
    virtual const quillon::WideChar* formatValvePosition(uint32_t state);
    // Units: 1 kWh, 2 percent, 4 hours, 5 hexadecimal, any other plain.
    virtual const quillon::WideChar* formatNumber(uint32_t value, uint32_t unit, uint8_t invalid);
    virtual const quillon::WideChar* formatHeatingMode(int32_t mode);
    virtual ~StructureContentProvider() {}

    // Seconds as whole hours, halves away from zero.
    static uint32_t secondsToHours(uint32_t seconds);

protected:
    // The label, bulleted when the flag is set.
    const quillon::WideChar* labelText(const quillon::WideChar* label);

    uint8_t bullet;
    quillon::WideChar valueBuffer[BUFFER_SIZE];
    quillon::WideChar bulletBuffer[BUFFER_SIZE];
};
} // namespace guicontrols

#endif
