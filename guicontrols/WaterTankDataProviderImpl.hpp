#ifndef GUICONTROLS_WATERTANKDATAPROVIDERIMPL_HPP
#define GUICONTROLS_WATERTANKDATAPROVIDERIMPL_HPP

#include "guicontrols/WaterTankDataProvider.hpp"
#include "model/DataPoint.hpp"
#include "model/records/SeriesRecords.hpp"

namespace guicontrols
{
// The tank over the cylinder's temperature profile: 21 layers in tenths of a degree, read
// anew at every question.
class WaterTankDataProviderImpl : public WaterTankDataProvider
{
public:
    static const uint32_t LAYERS = 21;
    using Profile = model::DataPoint<temperature_21, DP_TEMPERATURE_21>;

    // The model's profile.
    WaterTankDataProviderImpl();
    explicit WaterTankDataProviderImpl(const Profile* profile) : profile(profile) {}

    uint32_t getTemperatureCount() const override { return LAYERS; }
    // 0.0 for an index outside the profile.
    float getTemperature(uint32_t index) const override;
    uint32_t getColorCount() const override { return LAYERS; }
    uint16_t getColor(uint32_t index) const override;

private:
    const Profile* profile;
};
} // namespace guicontrols

#endif
