#ifndef QUILLON_TEST_TEXTREADING_HPP
#define QUILLON_TEST_TEXTREADING_HPP

#include <quillon/WildcardReader.hpp>
#include <quillon/hal/Types.hpp>

#include <gtest/gtest.h>

#include <cstdarg>
#include <string>

namespace quillon
{
namespace test
{
// A terminated UTF-16 text as a string the assertions can compare and print.
inline std::u16string text(const WideChar* units)
{
    return std::u16string(reinterpret_cast<const char16_t*>(units));
}

// The text as the drawing code reads it, wildcards substituted.
inline std::u16string readAll(const WideChar* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    WildcardReader reader;
    reader.initialize(format, arguments);
    va_end(arguments);
    std::u16string result;
    for (WideChar unit = reader.getNextChar(); unit != 0; unit = reader.getNextChar()) {
        result.push_back(static_cast<char16_t>(unit));
    }
    // The end stays the end.
    EXPECT_EQ(reader.getNextChar(), 0);
    return result;
}
} // namespace test
} // namespace quillon

#endif
