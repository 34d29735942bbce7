#ifndef GUICONTROLS_TEMPERATURECOLORTABLE_HPP
#define GUICONTROLS_TEMPERATURECOLORTABLE_HPP

#include <stdint.h>

namespace guicontrols
{
// Water colours from cold blue through magenta to hot red, one per whole degree.
class TemperatureColorTable
{
public:
    static const int32_t COLDEST = 16;
    static const int32_t HOTTEST = 85;

    struct Rgb
    {
        uint8_t red;
        uint8_t green;
        uint8_t blue;
    };

    // Blue below COLDEST, red above HOTTEST.
    static Rgb colorOf(int32_t degrees);
};
} // namespace guicontrols

#endif
