#ifndef GUICONTROLS_NUMERICCONTENTPROVIDER_HPP
#define GUICONTROLS_NUMERICCONTENTPROVIDER_HPP

#include "guicontrols/ITextContentProvider.hpp"
#include "guicontrols/ProviderTexts.hpp"
#include "helpers/WideFormat.hpp"
#include "model/DataPoint.hpp"

#include <math.h>
#include <type_traits>

namespace guicontrols
{
// A number of a data point, or a fixed number, through a printf format. The format's
// conversion matches the value handed over: an integer conversion only while the divisor
// is 1.0 and the float flag is off and T is an integer type, a floating one otherwise.
template <typename T, dp_type D, uint32_t N>
class NumericContentProvider : public ITextContentProvider
{
public:
    using DataPointType = model::DataPoint<T, D>;
    static const uint16_t BULLET_SIZE = 50;

    NumericContentProvider()
        : dataPoint(nullptr), fixedValue(0), label(nullptr), format(nullptr), valueBuffer{}, divisor(1.0f),
          bulletBuffer{}, bullet(0), floatFlag(0), floorFlag(0)
    {
    }

    NumericContentProvider(DataPointType* dataPoint, const quillon::WideChar* label, const quillon::WideChar* format,
                           float divisor, uint8_t bullet, uint8_t floatFlag, uint8_t floorFlag)
        : NumericContentProvider()
    {
        set(dataPoint, label, format, divisor, bullet, floatFlag, floorFlag);
    }

    void set(DataPointType* newDataPoint, const quillon::WideChar* newLabel, const quillon::WideChar* newFormat,
             float newDivisor, uint8_t newBullet, uint8_t newFloatFlag, uint8_t newFloorFlag)
    {
        dataPoint = newDataPoint;
        fixedValue = 0;
        label = newLabel;
        format = newFormat;
        divisor = newDivisor;
        bullet = newBullet;
        floatFlag = newFloatFlag;
        floorFlag = newFloorFlag;
    }

    // Shows value without a data point; never floored.
    void setFixedValue(T value, const quillon::WideChar* newLabel, const quillon::WideChar* newFormat,
                       float newDivisor, uint8_t newBullet, uint8_t newFloatFlag, uint8_t newFloorFlag)
    {
        set(nullptr, newLabel, newFormat, newDivisor, newBullet, newFloatFlag, newFloorFlag);
        fixedValue = value;
    }

    const quillon::WideChar* getText(uint32_t) override
    {
        return providertexts::label(bullet != 0, bulletBuffer, BULLET_SIZE, label);
    }

    const quillon::WideChar* getSecondText(uint32_t) override
    {
        const T value = dataPoint != nullptr ? dataPoint->getValue() : fixedValue;
        if (divisor == 1.0f && floatFlag == 0) {
            formatUnconverted(value);
        } else {
            double quotient = static_cast<double>(value) / static_cast<double>(divisor);
            if (dataPoint != nullptr && floorFlag != 0) {
                quotient = floor(quotient);
            }
            const float shown = static_cast<float>(quotient);
            helpers::formatWide(valueBuffer, N, format, static_cast<double>(shown));
        }
        return valueBuffer;
    }

private:
    void formatUnconverted(T value)
    {
        if (std::is_floating_point<T>::value) {
            helpers::formatWide(valueBuffer, N, format, static_cast<double>(value));
        } else {
            // 8- and 16-bit values widen by their own signedness; 32-bit ones keep their bits.
            helpers::formatWide(valueBuffer, N, format, static_cast<int>(static_cast<int32_t>(value)));
        }
    }

    DataPointType* dataPoint;
    T fixedValue;
    const quillon::WideChar* label;
    const quillon::WideChar* format;
    quillon::WideChar valueBuffer[N];
    float divisor;
    quillon::WideChar bulletBuffer[BULLET_SIZE];
    uint8_t bullet;
    uint8_t floatFlag;
    uint8_t floorFlag;
};
} // namespace guicontrols

#endif
