#include "framework/lcd/FixtureFont.hpp"

#include <quillon/WideString.hpp>

#include <gtest/gtest.h>

#include <string>

using namespace quillon;
using quillon::test::W;

namespace
{
std::u16string text(const WideChar* units)
{
    return units == nullptr ? std::u16string() : std::u16string(reinterpret_cast<const char16_t*>(units));
}

// A buffer pre-filled with a marker, so untouched units show.
struct Buffer
{
    Buffer() { std::fill(units, units + sizeof(units) / sizeof(units[0]), MARK); }
    static constexpr WideChar MARK = 0x7777;
    WideChar units[300];
};
} // namespace

TEST(WideString, LengthsAndNulls)
{
    EXPECT_EQ(WideString::strlen(W(u"abc")), 3);
    EXPECT_EQ(WideString::strlen(W(u"")), 0);
    EXPECT_EQ(WideString::strlen(nullptr), 0);
    EXPECT_EQ(WideString::strlen8("abcd"), 4);
    EXPECT_EQ(WideString::strlen8(nullptr), 0);
}

TEST(WideString, StrncpyStopsAfterTheTerminatorOrAtTheMaximum)
{
    Buffer b;
    EXPECT_EQ(WideString::strncpy(b.units, W(u"abc"), 10), 3);
    EXPECT_EQ(text(b.units), u"abc");
    EXPECT_EQ(b.units[4], Buffer::MARK); // nothing after the terminator

    Buffer cut;
    EXPECT_EQ(WideString::strncpy(cut.units, W(u"abcdef"), 3), 3);
    EXPECT_EQ(cut.units[2], 'c');
    EXPECT_EQ(cut.units[3], Buffer::MARK); // the maximum came first: no terminator

    Buffer narrow;
    EXPECT_EQ(WideString::strncpy(narrow.units, "x\xB0y\xFF", 10), 4);
    // 8-bit characters are Latin-1: the same code points.
    EXPECT_EQ(text(narrow.units), u"x\u00B0y\u00FF");
    EXPECT_EQ(WideString::strncpy(nullptr, W(u"a"), 3), 0);
    EXPECT_EQ(WideString::strncpy(narrow.units, static_cast<const WideChar*>(nullptr), 3), 0);
}

TEST(WideString, Itoa)
{
    struct Case
    {
        int32_t value;
        int radix;
        const char16_t* expected;
    };
    const Case cases[] = {
        {255, 16, u"FF"},     {-255, 16, u"-FF"},  {0, 10, u"0"},       {-42, 10, u"-42"},
        {8, 8, u"10"},        {5, 2, u"101"},      {2147483647, 10, u"2147483647"},
        {-2147483647 - 1, 10, u"-2147483648"},     {-1, 2, u"-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Buffer b;
        WideString::itoa(c.value, b.units, 33, c.radix);
        EXPECT_EQ(text(b.units), c.expected);
    }
    Buffer untouched;
    WideString::itoa(12, untouched.units, 33, 17);
    WideString::itoa(12, untouched.units, 33, 1);
    EXPECT_EQ(untouched.units[0], Buffer::MARK);
    WideString::itoa(12, nullptr, 33, 10); // no crash
}

TEST(WideString, AtoiReadsLeadingDigitsOnly)
{
    EXPECT_EQ(WideString::atoi(W(u" 12")), 0);
    EXPECT_EQ(WideString::atoi(W(u"12x")), 12);
    EXPECT_EQ(WideString::atoi(W(u"-5")), 0);
    EXPECT_EQ(WideString::atoi(W(u"")), 0);
    EXPECT_EQ(WideString::atoi(nullptr), 0);
    EXPECT_EQ(WideString::atoi(W(u"2147483647")), 2147483647);
    // Past the 32-bit range the value wraps instead of overflowing (checked by the sanitizer build).
    EXPECT_EQ(WideString::atoi(W(u"4294967297")), 1);
    EXPECT_EQ(WideString::atoi(W(u"99999999999999999999")), 1661992959);
}

TEST(WideString, Compare)
{
    EXPECT_EQ(WideString::strncmp(W(u"abc"), W(u"abd"), 2), 0);
    EXPECT_EQ(WideString::strncmp(W(u"abc"), W(u"abd"), 3), -1);
    EXPECT_EQ(WideString::strncmp(W(u"abd"), W(u"abc"), 3), 1);
    EXPECT_EQ(WideString::strncmp(W(u"ab"), W(u"abc"), 5), -1);
    EXPECT_EQ(WideString::strncmp(W(u"abc"), W(u"abc"), 10), 0);
    EXPECT_EQ(WideString::strncmp(W(u"\u00E9"), W(u"e"), 1), 1); // units compare unsigned
    EXPECT_EQ(WideString::strncmp(W(u"a"), W(u"b"), 0), 0);
    EXPECT_EQ(WideString::strncmp(nullptr, W(u"b"), 1), -1);
    EXPECT_EQ(WideString::strncmp(W(u"a"), nullptr, 1), 1);
    EXPECT_EQ(WideString::strncmpIgnoringSpaces(W(u"a b"), W(u"ab"), 2), 0);
    EXPECT_EQ(WideString::strncmpIgnoringSpaces(W(u"  a  b "), W(u"a b"), 5), 0);
    EXPECT_EQ(WideString::strncmpIgnoringSpaces(W(u"a c"), W(u"ab"), 2), 1);
    EXPECT_EQ(text(WideString::skipSpaces(W(u"  x "))), u"x ");
}

TEST(WideString, SnprintfConversions)
{
    struct Case
    {
        const char16_t* format;
        int number;
        const char16_t* expected;
    };
    const Case cases[] = {
        {u"%d", -42, u"-42"}, {u"%i", 7, u"7"},    {u"%u", -1, u"-1"}, // %u prints signed
        {u"%o", 8, u"10"},    {u"%x", 255, u"FF"}, {u"%c", 'Z', u"Z"},
        {u"%c", 0xE9, u"\u00E9"}, {u"100%%", 0, u"100%"}, {u"a%qb", 0, u"ab"}, // unknown letters vanish
        {u"end%", 0, u"end"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Buffer b;
        WideString::snprintf(b.units, 50, W(c.format), c.number);
        EXPECT_EQ(text(b.units), c.expected);
    }
    Buffer joined;
    EXPECT_EQ(WideString::snprintf(joined.units, 50, W(u"%s=%d%s"), W(u"T"), 21, W(u"\u00B0C")), joined.units);
    EXPECT_EQ(text(joined.units), u"T=21\u00B0C");
}

TEST(WideString, SnprintfCutsAtTheSizeAndAlwaysTerminates)
{
    Buffer three;
    WideString::snprintf(three.units, 3, W(u"%d"), -42);
    EXPECT_EQ(text(three.units), u"-4");
    Buffer two;
    WideString::snprintf(two.units, 2, W(u"%d"), -42);
    EXPECT_EQ(text(two.units), u"-");
    Buffer words;
    WideString::snprintf(words.units, 5, W(u"ab%scd"), W(u"XYZ"));
    EXPECT_EQ(text(words.units), u"abXY");
    EXPECT_EQ(words.units[5], Buffer::MARK);
}

TEST(WideString, SnprintfNullsAndSizeZero)
{
    Buffer nullText;
    WideString::snprintf(nullText.units, 20, W(u"a%sb"), static_cast<const WideChar*>(nullptr));
    EXPECT_EQ(text(nullText.units), u"ab");

    Buffer zero;
    WideString::snprintf(zero.units, 0, W(u"abc"));
    EXPECT_EQ(zero.units[0], Buffer::MARK); // size 0 writes nothing at all

    Buffer nullFormat;
    WideString::snprintf(nullFormat.units, 20, static_cast<const WideChar*>(nullptr));
    EXPECT_EQ(text(nullFormat.units), u"");
    EXPECT_EQ(WideString::snprintf(nullptr, 20, W(u"x")), nullptr);
}

TEST(WideString, EightBitFormatsAreWidenedUpToSixtyThreeCharacters)
{
    Buffer b;
    WideString::snprintf(b.units, 100, "%s %s \xB0%d", W(u"a"), W(u"b"), 5);
    EXPECT_EQ(text(b.units), u"a b \u00B05");

    const std::string longFormat(70, 'x');
    Buffer cut;
    WideString::snprintf(cut.units, 100, longFormat.c_str());
    EXPECT_EQ(text(cut.units), std::u16string(63, u'x'));

    // The 64th character would have been a placeholder: cut before it, so no argument is read.
    const std::string placeholderAtTheCut = std::string(63, 'y') + "%s";
    Buffer safe;
    WideString::snprintf(safe.units, 100, placeholderAtTheCut.c_str());
    EXPECT_EQ(text(safe.units), std::u16string(63, u'y'));
}
