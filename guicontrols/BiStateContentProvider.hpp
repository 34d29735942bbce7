#ifndef GUICONTROLS_BISTATECONTENTPROVIDER_HPP
#define GUICONTROLS_BISTATECONTENTPROVIDER_HPP

#include "guicontrols/ITextContentProvider.hpp"
#include "guicontrols/ProviderTexts.hpp"
#include "model/DataPoint.hpp"

namespace guicontrols
{
// A value shown as one of two texts: on from the threshold up, or for any non-zero value
// with the threshold 0.
template <typename T, dp_type D>
class BiStateContentProvider : public ITextContentProvider
{
public:
    using DataPointType = model::DataPoint<T, D>;
    static const uint16_t BULLET_SIZE = 50;

    BiStateContentProvider()
        : dataPoint(nullptr), threshold(0), label(nullptr), offText(nullptr), onText(nullptr), bullet(0),
          bulletBuffer{}
    {
    }

    BiStateContentProvider(DataPointType* dataPoint, const quillon::WideChar* label, const quillon::WideChar* offText,
                           const quillon::WideChar* onText, T threshold, uint8_t bullet)
        : BiStateContentProvider()
    {
        set(dataPoint, label, offText, onText, threshold, bullet);
    }

    void set(DataPointType* newDataPoint, const quillon::WideChar* newLabel, const quillon::WideChar* newOffText,
             const quillon::WideChar* newOnText, T newThreshold, uint8_t newBullet)
    {
        dataPoint = newDataPoint;
        label = newLabel;
        offText = newOffText;
        onText = newOnText;
        threshold = newThreshold;
        bullet = newBullet;
    }

    const quillon::WideChar* getText(uint32_t) override
    {
        return providertexts::label(bullet != 0, bulletBuffer, BULLET_SIZE, label);
    }

    const quillon::WideChar* getSecondText(uint32_t) override
    {
        const T value = static_cast<T>(*dataPoint);
        const bool on = threshold == 0 ? value != 0 : value >= threshold;
        return on ? onText : offText;
    }

private:
    DataPointType* dataPoint;
    T threshold;
    const quillon::WideChar* label;
    const quillon::WideChar* offText;
    const quillon::WideChar* onText;
    uint8_t bullet;
    quillon::WideChar bulletBuffer[BULLET_SIZE];
};
} // namespace guicontrols

#endif
