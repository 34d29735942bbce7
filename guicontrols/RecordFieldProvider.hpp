#ifndef GUICONTROLS_RECORDFIELDPROVIDER_HPP
#define GUICONTROLS_RECORDFIELDPROVIDER_HPP

#include "guicontrols/ITextContentProvider.hpp"
#include "guicontrols/StructureContentProvider.hpp"
#include "model/DataPoint.hpp"

namespace guicontrols
{
// One field of a device record as the value of a list line: the label, and the field the kind
// selects. Each record's provider says only how it reads its fields (getSecondText).
template <typename Record, dp_type D>
class RecordFieldProvider : public ITextContentProvider, public StructureContentProvider
{
public:
    using DataPointType = model::DataPoint<Record, D>;

    RecordFieldProvider() : dataPoint(nullptr), label(nullptr), kind(0) {}
    RecordFieldProvider(DataPointType* dataPoint, const quillon::WideChar* label, uint32_t kind, uint8_t bullet)
        : dataPoint(nullptr), label(nullptr), kind(0)
    {
        set(dataPoint, label, kind, bullet);
    }

    void set(DataPointType* newDataPoint, const quillon::WideChar* newLabel, uint32_t newKind, uint8_t newBullet)
    {
        dataPoint = newDataPoint;
        label = newLabel;
        kind = newKind;
        bullet = newBullet;
    }

    const quillon::WideChar* getText(uint32_t) override { return labelText(label); }

protected:
    DataPointType* dataPoint;
    const quillon::WideChar* label;
    uint32_t kind;
};
} // namespace guicontrols

#endif
