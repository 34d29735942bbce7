#include "guicontrols/TemperatureColorTable.hpp"

namespace guicontrols
{
namespace
{
// 16 to 49 degrees: blue full, red rising.
const uint8_t COOL_RED[34] = {8,   16,  24,  32,  41,  41,  49,  57,  65,  74,  82,  90,  98,  106, 115, 115, 123,
                              131, 139, 148, 156, 164, 172, 180, 189, 189, 197, 205, 213, 222, 230, 238, 246, 255};
// 50 to 85 degrees: red full, blue falling.
const uint8_t WARM_BLUE[36] = {246, 246, 238, 230, 222, 213, 205, 197, 189, 180, 172, 172, 164, 156, 148, 139, 131, 123,
                               115, 106, 98,  98,  90,  82,  74,  65,  57,  49,  41,  32,  24,  24,  16,  8,   0,   0};
const int32_t FIRST_WARM = 50;
} // namespace

TemperatureColorTable::Rgb TemperatureColorTable::colorOf(int32_t degrees)
{
    if (degrees < COLDEST) {
        return Rgb{0, 0, 255};
    }
    if (degrees > HOTTEST) {
        return Rgb{255, 0, 0};
    }
    if (degrees < FIRST_WARM) {
        return Rgb{COOL_RED[degrees - COLDEST], 0, 255};
    }
    return Rgb{255, 0, WARM_BLUE[degrees - FIRST_WARM]};
}
} // namespace guicontrols
