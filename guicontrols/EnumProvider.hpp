#ifndef GUICONTROLS_ENUMPROVIDER_HPP
#define GUICONTROLS_ENUMPROVIDER_HPP

#include "guicontrols/ITextContentProvider.hpp"
#include "model/DataPoint.hpp"

namespace guicontrols
{
// A small enumerated device value in words. Value kinds (0..7, 10, 11, 17) show "● text"
// on the left and nothing on the right; label kinds (8, 9, 12..16) a fixed label on the
// left and the value's text on the right.
class EnumProvider : public ITextContentProvider
{
public:
    using DataPointType = model::DataPoint<uint8_t, DP_U8>;
    static const uint16_t TEXT_SIZE = 50;
    static const uint16_t NUMBER_SIZE = 10;

    EnumProvider();
    EnumProvider(DataPointType* dataPoint, uint32_t kind, uint8_t bullet);
    void set(DataPointType* dataPoint, uint32_t kind, uint8_t bullet);

    const quillon::WideChar* getText(uint32_t index) override;
    const quillon::WideChar* getSecondText(uint32_t index) override;

private:
    // The value's text of a value kind; null when the value has none.
    static const quillon::WideChar* valueText(uint32_t kind, uint8_t value);
    static bool isValueKind(uint32_t kind);

    DataPointType* dataPoint;
    quillon::WideChar textBuffer[TEXT_SIZE];
    quillon::WideChar numberBuffer[NUMBER_SIZE];
    uint32_t kind;
    uint8_t bullet;
};
} // namespace guicontrols

#endif
