#include "guicontrols/StructureContentProvider.hpp"

#include "guicontrols/ProviderTexts.hpp"
#include "helpers/Conversions.hpp"
#include "helpers/DateTime.hpp"
#include "helpers/WideFormat.hpp"

#include <math.h>

namespace guicontrols
{
using quillon::WideChar;
namespace texts = providertexts;

namespace
{
const quillon::TextId ON = 902;
const quillon::TextId OFF = 825;
const quillon::TextId VALVE_TEXTS[3] = {1430, 1431, 1490};
const quillon::TextId HEATING_MODES[4] = {804, 1073, 1344, 981};
} // namespace

StructureContentProvider::StructureContentProvider() : bullet(0), valueBuffer{}, bulletBuffer{} {}

const WideChar* StructureContentProvider::formatBullet(const WideChar* text)
{
    return texts::bulleted(bulletBuffer, BUFFER_SIZE, text);
}

const WideChar* StructureContentProvider::labelText(const WideChar* label)
{
    return bullet != 0 ? formatBullet(label) : label;
}

const WideChar* StructureContentProvider::formatTemperature(int32_t tenths, uint8_t invalid)
{
    if (invalid != 0) {
        return texts::dashes();
    }
    const float degrees = static_cast<float>(tenths) * 0.1f;
    helpers::formatWide(valueBuffer, BUFFER_SIZE, "%d°C", static_cast<int>(lroundf(degrees)));
    return valueBuffer;
}

const WideChar* StructureContentProvider::formatDateTime(uint32_t seconds)
{
    helpers::DateTime(seconds).formatDateTime(valueBuffer, BUFFER_SIZE, ' ');
    return valueBuffer;
}

const WideChar* StructureContentProvider::formatPercent(uint32_t halves)
{
    // "%%%%" leaves "%%" in the buffer, which the text drawing shows as one sign.
    helpers::formatWide(valueBuffer, BUFFER_SIZE, "%.1f %%%%", static_cast<double>(halves * 0.5f));
    return valueBuffer;
}

const WideChar* StructureContentProvider::formatPower(int32_t value)
{
    helpers::formatWide(valueBuffer, BUFFER_SIZE, "%d kW", static_cast<int>(value));
    return valueBuffer;
}

const WideChar* StructureContentProvider::formatOnOff(bool on)
{
    return texts::text(on ? ON : OFF);
}

const WideChar* StructureContentProvider::formatValvePosition(uint32_t state)
{
    if (state < 3) {
        return texts::text(VALVE_TEXTS[state]);
    }
    return state == 3 ? texts::dashes() : texts::empty();
}

const WideChar* StructureContentProvider::formatNumber(uint32_t value, uint32_t unit, uint8_t invalid)
{
    if (invalid != 0) {
        return texts::dashes();
    }
    const char* format = "%d";
    switch (unit) {
    case 1:
        format = "%d kWh";
        break;
    case 2:
        format = "%d %%%%";
        break;
    case 4:
        format = "%d h";
        break;
    case 5:
        format = "%X";
        break;
    default:
        break;
    }
    helpers::formatWide(valueBuffer, BUFFER_SIZE, format, static_cast<int>(static_cast<int32_t>(value)));
    return valueBuffer;
}

const WideChar* StructureContentProvider::formatHeatingMode(int32_t mode)
{
    if (mode >= 0 && mode < 4) {
        return texts::text(HEATING_MODES[mode]);
    }
    return texts::dashes();
}

uint32_t StructureContentProvider::secondsToHours(uint32_t seconds)
{
    return static_cast<uint32_t>(lroundf(static_cast<float>(seconds) / helpers::secondsPerHour()));
}
} // namespace guicontrols
