#ifndef TESTS_HELPERS_WIDETEXT_HPP
#define TESTS_HELPERS_WIDETEXT_HPP

#include <quillon/hal/Types.hpp>

#include <string>
#include <vector>

// UTF-16 literals in and out of the helpers' unit type.
inline std::vector<quillon::WideChar> wide(const std::u16string& text)
{
    std::vector<quillon::WideChar> units(text.begin(), text.end());
    units.push_back(0);
    return units;
}

inline std::u16string narrow(const quillon::WideChar* text, size_t maximum = 1024)
{
    std::u16string result;
    for (size_t i = 0; i < maximum && text[i] != 0; ++i) {
        result.push_back(static_cast<char16_t>(text[i]));
    }
    return result;
}

// Gtest prints u16string poorly; compare as UTF-8-ish ASCII where the texts are ASCII.
inline std::string ascii(const std::u16string& text)
{
    std::string result;
    for (char16_t unit : text) {
        result.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    }
    return result;
}

#endif
