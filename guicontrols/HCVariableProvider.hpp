#ifndef GUICONTROLS_HCVARIABLEPROVIDER_HPP
#define GUICONTROLS_HCVARIABLEPROVIDER_HPP

#include "guicontrols/ITextContentProvider.hpp"
#include "guicontrols/StructureContentProvider.hpp"
#include "model/DataPoint.hpp"
#include "model/records/Records.hpp"

namespace guicontrols
{
// One field of a heating_info record as the value of a list line.
class HCVariableProvider : public ITextContentProvider, public StructureContentProvider
{
public:
    using DataPointType = model::DataPoint<heating_info, DP_HEATING_INFO>;

    HCVariableProvider();
    HCVariableProvider(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet);
    void set(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet);

    const quillon::WideChar* getText(uint32_t index) override;
    // Reads the record now; a field kind without a field gives the empty text.
    const quillon::WideChar* getSecondText(uint32_t index) override;

private:
    DataPointType* dataPoint;
    const quillon::WideChar* label;
    uint32_t kind;
};
} // namespace guicontrols

#endif
