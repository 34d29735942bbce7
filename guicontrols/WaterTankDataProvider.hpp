#ifndef GUICONTROLS_WATERTANKDATAPROVIDER_HPP
#define GUICONTROLS_WATERTANKDATAPROVIDER_HPP

#include <stdint.h>

namespace guicontrols
{
// The layers of a hot-water tank, layer 0 at the top: temperature in degrees and colour.
class WaterTankDataProvider
{
public:
    virtual ~WaterTankDataProvider() {}

    virtual uint32_t getTemperatureCount() const = 0;
    virtual float getTemperature(uint32_t index) const = 0;
    virtual uint32_t getColorCount() const = 0;
    virtual uint16_t getColor(uint32_t index) const = 0;
};
} // namespace guicontrols

#endif
