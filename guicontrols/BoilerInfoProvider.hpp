#ifndef GUICONTROLS_BOILERINFOPROVIDER_HPP
#define GUICONTROLS_BOILERINFOPROVIDER_HPP

#include "guicontrols/ITextContentProvider.hpp"
#include "guicontrols/StructureContentProvider.hpp"
#include "model/DataPoint.hpp"
#include "model/records/Records.hpp"

namespace guicontrols
{
// One field of a boiler_info record as the value of a list line.
class BoilerInfoProvider : public ITextContentProvider, public StructureContentProvider
{
public:
    using DataPointType = model::DataPoint<boiler_info, DP_BOILER_INFO>;

    BoilerInfoProvider();
    BoilerInfoProvider(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet);
    void set(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet);

    const quillon::WideChar* getText(uint32_t index) override;
    // Reads the record now; a field kind without a field gives the empty text.
    const quillon::WideChar* getSecondText(uint32_t index) override;

private:
    // The boiler temperature sensor's fault flag, read now.
    static uint8_t boilerSensorFault();

    DataPointType* dataPoint;
    const quillon::WideChar* label;
    uint32_t kind;
};
} // namespace guicontrols

#endif
