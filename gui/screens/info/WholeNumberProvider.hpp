#ifndef GUI_SCREENS_INFO_WHOLENUMBERPROVIDER_HPP
#define GUI_SCREENS_INFO_WHOLENUMBERPROVIDER_HPP

#include "guicontrols/ITextContentProvider.hpp"
#include "guicontrols/ProviderTexts.hpp"
#include "helpers/Conversions.hpp"
#include "helpers/WideFormat.hpp"
#include "model/DataPoint.hpp"

#include <stdint.h>

// A float device value shown as a whole number through an integer format ("%d°C"), halves
// rounded away from zero: 52.5 shows 53, -12.5 shows -13. printf's "%.0f" would round a half
// to even and show 52.
template <dp_type D>
class WholeNumberProvider : public guicontrols::ITextContentProvider
{
public:
    using DataPointType = model::DataPoint<float, D>;
    static const uint16_t TEXT_SIZE = 50;

    WholeNumberProvider() : dataPoint(nullptr), label(nullptr), format(nullptr), bullet(0), labelBuffer{}, valueBuffer{} {}

    void set(DataPointType* newDataPoint, const quillon::WideChar* newLabel, const char* newFormat, uint8_t newBullet)
    {
        dataPoint = newDataPoint;
        label = newLabel;
        format = newFormat;
        bullet = newBullet;
    }

    const quillon::WideChar* getText(uint32_t) override
    {
        return guicontrols::providertexts::label(bullet != 0, labelBuffer, TEXT_SIZE, label);
    }

    const quillon::WideChar* getSecondText(uint32_t) override
    {
        helpers::formatWide(valueBuffer, TEXT_SIZE, format, static_cast<int>(whole(dataPoint->getValue())));
        return valueBuffer;
    }

    static int32_t whole(float value) { return helpers::wholeDegrees(static_cast<double>(value)); }

private:
    DataPointType* dataPoint;
    const quillon::WideChar* label;
    const char* format;
    uint8_t bullet;
    quillon::WideChar labelBuffer[TEXT_SIZE];
    quillon::WideChar valueBuffer[TEXT_SIZE];
};

#endif
