#ifndef GUICONTROLS_LEADINGNUMBER_HPP
#define GUICONTROLS_LEADINGNUMBER_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace guicontrols
{
// The number of a text's leading decimal digits, read the way the keyboards check an entry:
// it saturates at UINT32_MAX, so a long entry never wraps into a small accepted value.
class LeadingNumber
{
public:
    static constexpr uint32_t SATURATED = UINT32_MAX;

    static bool isDigit(quillon::WideChar unit) { return unit >= '0' && unit <= '9'; }

    // Null gives 0; at most maximum units are read.
    static uint32_t read(const quillon::WideChar* text, uint16_t maximum = UINT16_MAX)
    {
        uint32_t value = 0;
        if (text == nullptr) {
            return 0;
        }
        for (uint16_t i = 0; i < maximum && isDigit(text[i]); ++i) {
            const uint32_t digit = static_cast<uint32_t>(text[i] - '0');
            value = value > (SATURATED - digit) / 10 ? SATURATED : value * 10 + digit;
        }
        return value;
    }
};
} // namespace guicontrols

#endif
