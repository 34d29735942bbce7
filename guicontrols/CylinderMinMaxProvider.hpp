#ifndef GUICONTROLS_CYLINDERMINMAXPROVIDER_HPP
#define GUICONTROLS_CYLINDERMINMAXPROVIDER_HPP

#include "guicontrols/ITextContentProvider.hpp"
#include "guicontrols/StructureContentProvider.hpp"
#include "model/DataPoint.hpp"
#include "model/records/Records.hpp"

namespace guicontrols
{
// One field of a cylinder_min_max record as the value of a list line.
class CylinderMinMaxProvider : public ITextContentProvider, public StructureContentProvider
{
public:
    using DataPointType = model::DataPoint<cylinder_min_max, DP_CYLINDER_MIN_MAX>;

    CylinderMinMaxProvider();
    CylinderMinMaxProvider(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet);
    void set(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet);

    const quillon::WideChar* getText(uint32_t index) override;
    // Reads the record now; a field kind without a field gives the empty text.
    const quillon::WideChar* getSecondText(uint32_t index) override;

private:
    // The lowest or highest of T1..T4, or T1..T5 with the fifth sensor present.
    static int16_t extreme(const uint8_t* bytes, bool highest);

    DataPointType* dataPoint;
    const quillon::WideChar* label;
    uint32_t kind;
};
} // namespace guicontrols

#endif
