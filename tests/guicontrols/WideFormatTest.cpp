#include "guicontrols/WidgetFixture.hpp"
#include "helpers/WideFormat.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using guicontrols::test::u16;
using guicontrols::test::w;
using quillon::WideChar;

namespace
{
// The narrow C library's answer, widened unit by unit.
template <class... Args>
std::u16string narrow(const char* format, Args... args)
{
    char buffer[256];
    std::snprintf(buffer, sizeof(buffer), format, args...);
    std::u16string result;
    for (const char* c = buffer; *c != 0; ++c) {
        result.push_back(static_cast<char16_t>(static_cast<unsigned char>(*c)));
    }
    return result;
}

template <class... Args>
std::u16string wide(const char* format, Args... args)
{
    WideChar buffer[256];
    helpers::formatWide(buffer, 256, format, args...);
    return u16(buffer);
}

// The same format as a UTF-16 text.
template <class... Args>
std::u16string wideFromUtf16(const char* format, Args... args)
{
    std::u16string widened;
    for (const char* c = format; *c != 0; ++c) {
        widened.push_back(static_cast<char16_t>(*c));
    }
    WideChar buffer[256];
    helpers::formatWide(buffer, 256, w(widened.c_str()), args...);
    return u16(buffer);
}

#define EXPECT_AS_NARROW(...)                                                                                          \
    do {                                                                                                               \
        SCOPED_TRACE(#__VA_ARGS__);                                                                                    \
        EXPECT_EQ(wide(__VA_ARGS__), narrow(__VA_ARGS__));                                                             \
        EXPECT_EQ(wideFromUtf16(__VA_ARGS__), narrow(__VA_ARGS__));                                                    \
    } while (0)
} // namespace

TEST(WideFormat, NumbersComeOutAsTheNarrowPrintfWritesThem)
{
    EXPECT_AS_NARROW("%.1f", 2.25);
    EXPECT_AS_NARROW("%.1f", 99.96);
    EXPECT_AS_NARROW("%.1f", -0.04);
    EXPECT_AS_NARROW("%.0f", 20.5);
    EXPECT_AS_NARROW("%.1f %%%%", 91 * 0.5);
    EXPECT_AS_NARROW("%5.2f|%-8.3f|%+.2e|%g|%G", 3.14159, 2.5, 12345.678, 0.0001, 1e20);
    EXPECT_AS_NARROW("%f %a", 1e30, 1.0);
    EXPECT_AS_NARROW("%02d:%02d", 7, 5);
    EXPECT_AS_NARROW("%02d %04d %d", -5, 123, -2147483647 - 1);
    EXPECT_AS_NARROW("%X %x %#x %o %#o", 255u, 48879u, 255u, 8u, 8u);
    EXPECT_AS_NARROW("%5d|%-5d|% d|%+d|%05d", 42, 42, 42, 42, -42);
    EXPECT_AS_NARROW("%*d|%-*d|%.*f|%*.*f", 6, 1, 4, 2, 3, 1.23456, -7, 2, 9.875);
    EXPECT_AS_NARROW("%.*f", -1, 1.5); // a negative precision counts as none
    EXPECT_AS_NARROW("%hhd %hd %ld %lld %lu %zu %jd", 300, 70000, 1234567890L, -9000000000LL, 4000000000UL,
                     static_cast<size_t>(77), static_cast<intmax_t>(-3));
    EXPECT_AS_NARROW("%Lf", 1.5L);
    EXPECT_AS_NARROW("[%c] [%3c] [%-3c]", 'a', 'b', 'c');
    EXPECT_AS_NARROW("%s|%8s|%-8s|%.2s", "abc", "abc", "abc", "abc");
}

TEST(WideFormat, TakesUtf16TextsAndNonAsciiFormats)
{
    const WideChar name[] = {'K', 'r', 'e', 'i', 's', 0x00FC, 0}; // ends in u-umlaut
    WideChar buffer[32];
    helpers::formatWide(buffer, 32, "%ls|%8ls|%-8ls|%.3ls", name, name, name, name);
    EXPECT_EQ(u16(buffer), u"Kreis\u00FC|  Kreis\u00FC|Kreis\u00FC  |Kre");

    helpers::formatWide(buffer, 32, "%.0f\u00B0C", 21.4); // "°" is two bytes in the format
    EXPECT_EQ(u16(buffer), u"21\u00B0C");
    helpers::formatWide(buffer, 32, w(u"%.1f\u00B0C %lc"), 21.45, 0x2022);
    EXPECT_EQ(u16(buffer), u"21.4\u00B0C \u2022");

    helpers::formatWide(buffer, 32, "%ls%s", static_cast<const WideChar*>(nullptr), static_cast<const char*>(nullptr));
    EXPECT_EQ(u16(buffer), u"(null)(null)");
}

TEST(WideFormat, StaysInsideItsBufferAndTerminates)
{
    WideChar buffer[8];
    for (WideChar& unit : buffer) {
        unit = 0xAAAA;
    }
    EXPECT_EQ(helpers::formatWide(buffer, 4, "%d", 12345), 3);
    EXPECT_EQ(u16(buffer), u"123");
    EXPECT_EQ(buffer[4], 0xAAAA);

    EXPECT_EQ(helpers::formatWide(buffer, 0, "%d", 1), 0);
    EXPECT_EQ(buffer[0], '1'); // capacity 0: untouched
    EXPECT_EQ(helpers::formatWide(buffer, 1, "%d", 1), 0);
    EXPECT_EQ(buffer[0], 0);

    // A width far past the buffer is cut like any other text.
    EXPECT_EQ(helpers::formatWide(buffer, 8, "%100d", 5), 7);
    EXPECT_EQ(u16(buffer), u"       ");
}

TEST(WideFormat, OddConversionsAreWrittenAsTheyStand)
{
    WideChar buffer[32];
    int count = 0;
    helpers::formatWide(buffer, 32, "a%nb", &count);
    EXPECT_EQ(u16(buffer), u"ab");
    EXPECT_EQ(count, 0); // %n never writes through its pointer
    helpers::formatWide(buffer, 32, "50%y off %-3q end%");
    EXPECT_EQ(u16(buffer), u"50%y off %-3q end");
    helpers::formatWide(buffer, 32, static_cast<const char*>(nullptr));
    EXPECT_EQ(u16(buffer), u"");
}
