#include "helpers/Text.hpp"
#include "WideText.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

TEST(Text, FormatNumber)
{
    struct Case { int32_t value; uint8_t digits, base; const char16_t* text; };
    const Case cases[] = {
        {7, 2, 10, u"07"},   {12, 2, 10, u"12"},   {-5, 2, 10, u"-05"}, {2016, 4, 10, u"2016"},
        {50, 4, 10, u"0050"}, {255, 0, 16, u"FF"}, {-255, 0, 16, u"-FF"}, {0, 0, 10, u"0"},
        {5, 1, 10, u"5"},    {5, 3, 2, u"101"},    {INT_MIN, 0, 10, u"-2147483648"},
        {INT_MIN, 2, 16, u"-80000000"}, {7, 2, 17, u""}, {7, 2, 1, u""}, // no such base
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ascii(c.text));
        quillon::WideChar buffer[40];
        EXPECT_EQ(helpers::formatNumber(buffer, 40, c.value, c.digits, c.base), std::u16string(c.text).size());
        EXPECT_EQ(narrow(buffer), c.text);
    }
}

TEST(Text, FormatNumberStaysInsideTheCapacity)
{
    struct Case { uint16_t capacity; const char16_t* text; };
    const Case cases[] = {{0, u""}, {1, u""}, {2, u"-"}, {3, u"-0"}, {4, u"-00"}, {5, u"-005"}, {6, u"-005"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.capacity);
        quillon::WideChar buffer[8];
        std::fill(std::begin(buffer), std::end(buffer), 0xEEEE);
        EXPECT_EQ(helpers::formatNumber(buffer, c.capacity, -5, 3, 10), std::u16string(c.text).size());
        EXPECT_EQ(narrow(buffer, c.capacity), c.text);
        EXPECT_TRUE(std::all_of(buffer + c.capacity, std::end(buffer), [](quillon::WideChar u) { return u == 0xEEEE; }));
    }
}

TEST(Text, AppendChar)
{
    quillon::WideChar buffer[3] = {0xEEEE, 0xEEEE, 0xEEEE};
    EXPECT_EQ(helpers::appendChar(buffer, 0, 'x'), 0);
    EXPECT_EQ(buffer[0], 0xEEEE);
    EXPECT_EQ(helpers::appendChar(buffer, 1, 'x'), 1); // the character only, no terminator
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(buffer[1], 0xEEEE);
    EXPECT_EQ(helpers::appendChar(buffer, 2, 'y'), 1);
    EXPECT_EQ(buffer[0], 'y');
    EXPECT_EQ(buffer[1], 0);
}

TEST(Text, LinesAndEmptyTexts)
{
    EXPECT_EQ(helpers::countLines(wide(u"a\nb\n").data()), 3);
    EXPECT_EQ(helpers::countLines(wide(u"").data()), 1);
    EXPECT_TRUE(helpers::isEmptyText(nullptr));
    EXPECT_TRUE(helpers::isEmptyText(wide(u"").data()));
    EXPECT_FALSE(helpers::isEmptyText(wide(u" ").data()));
}

TEST(Text, LowerCaseCopyFoldsThePanelsLetters)
{
    struct Case { const char16_t* source; const char16_t* lower; };
    const Case cases[] = {
        {u"ABC xyz 123 !", u"abc xyz 123 !"},
        {u"ÄÖÜ ÀÉÎ Ø Å Æ ß × ÿ", u"äöü àéî ø å æ ß × ÿ"},             // Latin-1; × is no letter
        {u"ČĎĚŇŘŠŤŮŽ ÁÍÓÚÝ", u"čďěňřšťůž áíóúý"},                     // Czech
        {u"ĹĽŔ Ô Ä", u"ĺľŕ ô ä"},                                       // Slovak
        {u"ĄĆĘŁŃÓŚŹŻ", u"ąćęłńóśźż"},                                   // Polish
        {u"ąćęłńśźż ĸ ŉ ſ ı", u"ąćęłńśźż ĸ ŉ ſ ı"},                     // already small
        {u"Ÿ İ Ő Ű Ŋ", u"ÿ i ő ű ŋ"},
        {u"ΑБ€", u"ΑБ€"},                                                // outside the table: unchanged
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        quillon::WideChar output[40];
        helpers::toLowerCopy(wide(c.source).data(), output, 40);
        EXPECT_TRUE(narrow(output) == c.lower);
    }
}

TEST(Text, LowerCaseCopyStopsAtTheCapacity)
{
    quillon::WideChar output[8];
    std::fill(std::begin(output), std::end(output), 0xEEEE);
    helpers::toLowerCopy(wide(u"ABCDEFGHIJ").data(), output, 5);
    EXPECT_EQ(narrow(output, 5), u"abcde"); // full: no room for a terminator
    EXPECT_TRUE(std::all_of(output + 5, std::end(output), [](quillon::WideChar u) { return u == 0xEEEE; }));

    helpers::toLowerCopy(wide(u"AB").data(), output, 5);
    EXPECT_EQ(output[2], 0); // a shorter source is terminated

    helpers::toLowerCopy(nullptr, output, 5); // writes nothing
    EXPECT_EQ(output[0], 'a');
    helpers::toLowerCopy(wide(u"Z").data(), output, 0);
    EXPECT_EQ(output[0], 'a');
}
