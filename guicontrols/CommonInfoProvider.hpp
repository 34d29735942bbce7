#ifndef GUICONTROLS_COMMONINFOPROVIDER_HPP
#define GUICONTROLS_COMMONINFOPROVIDER_HPP

#include "guicontrols/ITextContentProvider.hpp"
#include "guicontrols/StructureContentProvider.hpp"
#include "model/DataPoint.hpp"
#include "model/records/Records.hpp"

namespace guicontrols
{
// One field of a common_info record as the value of a list line.
class CommonInfoProvider : public ITextContentProvider, public StructureContentProvider
{
public:
    using DataPointType = model::DataPoint<common_info, DP_COMMON_INFO>;

    CommonInfoProvider();
    CommonInfoProvider(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet);
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
