#include "helpers/TextWrap.hpp"
#include "WideText.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
// Letters 10 px, a space 5 px, a line break 0; "AV" kerns by -4.
class FixtureFont : public quillon::Font
{
public:
    FixtureFont() : quillon::Font(20, 4, 4) {}

    const quillon::GlyphRecord* getGlyphWithData(quillon::WideChar unicode, const uint8_t*&, uint8_t&) const override
    {
        glyph.unicode = unicode;
        return &glyph;
    }
    uint16_t getCharWidth(quillon::WideChar unicode) const override
    {
        return unicode == '\n' ? 0 : unicode == ' ' ? 5 : 10;
    }
    int8_t getKerning(quillon::WideChar previous, const quillon::GlyphRecord* next) const override
    {
        return (previous == 'A' && next != nullptr && next->unicode == 'V') ? -4 : 0;
    }

private:
    mutable quillon::GlyphRecord glyph{};
};

std::u16string wrap(const char16_t* source, uint16_t capacity, uint16_t maxWidth, uint8_t maxLines)
{
    static FixtureFont font;
    std::vector<quillon::WideChar> output(capacity + 1u, 0xEEEE);
    helpers::wrapText(output.data(), capacity, wide(source).data(), helpers::TextWrapSpec(maxWidth, &font, maxLines));
    EXPECT_EQ(output[capacity], 0xEEEE) << "written past the capacity";
    return narrow(output.data(), capacity);
}
} // namespace

TEST(TextWrap, BreaksLinesAndEndsInAnEllipsis)
{
    struct Case { const char16_t* source; uint16_t capacity, maxWidth; uint8_t maxLines; const char16_t* wrapped; };
    const Case cases[] = {
        {u"abc", 40, 50, 3, u"abc"},                               // fits: unchanged
        {u"abc\n", 40, 50, 3, u"abc"},                             // a trailing break is dropped
        {u"ab\ncd", 40, 50, 3, u"ab\ncd"},
        {u"hello world", 40, 50, 2, u"hello\nworld"},              // breaks at the space, which goes
        {u"ab cd efgh", 40, 60, 3, u"ab cd\nefgh"},                // the last space of the line
        {u"abcdefgh", 40, 50, 2, u"abcdef\ngh"},                   // no space: after the overflowing letter
        {u"abcdefgh", 40, 50, 1, u"abcd..."},                      // one line: "..." and stop
        {u"aaaaa bbbbb ccccc ddddd", 40, 50, 3, u"aaaaa\nbbbbb\ncccc..."}, // the third line overflows
        {u"abcdefgh", 6, 1000, 3, u"a..."},                        // the buffer ends with text left
        {u"abcd", 6, 1000, 3, u"abcd"},                            // ends just before the room for "..."
        {u"abcde", 6, 1000, 3, u"a..."},                           // the room for "..." is kept even here
        {u"AVAVA", 40, 38, 1, u"AVAVA"},                           // 50 - 4 x 4 kerning = 34: fits
        {u"", 40, 50, 3, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ascii(c.source));
        EXPECT_EQ(ascii(wrap(c.source, c.capacity, c.maxWidth, c.maxLines)), ascii(c.wrapped));
    }
}

TEST(TextWrap, NeverWritesBeyondTheCapacity)
{
    FixtureFont font;
    const std::vector<quillon::WideChar> source = wide(u"one two three four five six seven eight");
    for (uint16_t capacity = 0; capacity < 48; ++capacity) {
        for (uint16_t maxWidth : {0, 15, 60, 1000}) {
            SCOPED_TRACE(testing::Message() << capacity << " " << maxWidth);
            std::vector<quillon::WideChar> output(capacity + 4u, 0xEEEE);
            helpers::wrapText(output.data(), capacity, source.data(), helpers::TextWrapSpec(maxWidth, &font, 3));
            EXPECT_TRUE(std::all_of(output.begin() + capacity, output.end(), [](quillon::WideChar u) { return u == 0xEEEE; }));
            if (capacity > 0) {
                EXPECT_NE(std::find(output.begin(), output.begin() + capacity, 0), output.begin() + capacity)
                    << "terminated";
            }
        }
    }
}
