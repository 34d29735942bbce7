#ifndef GUICONTROLS_CYLINDERTEMPPROVIDER_HPP
#define GUICONTROLS_CYLINDERTEMPPROVIDER_HPP

#include "guicontrols/ITextContentProvider.hpp"
#include "guicontrols/StructureContentProvider.hpp"
#include "model/DataPoint.hpp"
#include "model/records/Records.hpp"

namespace guicontrols
{
// One field of a temperature_11 record as the value of a list line.
class CylinderTempProvider : public ITextContentProvider, public StructureContentProvider
{
public:
    using DataPointType = model::DataPoint<temperature_11, DP_TEMPERATURE_11>;

    CylinderTempProvider();
    CylinderTempProvider(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint32_t layout, uint8_t bullet);
    void set(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint32_t layout, uint8_t bullet);

    const quillon::WideChar* getText(uint32_t index) override;
    // Reads the record now; a field kind without a field gives the empty text.
    const quillon::WideChar* getSecondText(uint32_t index) override;

private:
    DataPointType* dataPoint;
    const quillon::WideChar* label;
    uint32_t kind;
    uint32_t layout;
};
} // namespace guicontrols

#endif
