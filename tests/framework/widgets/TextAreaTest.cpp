#include "framework/PrintRectangle.hpp"
#include "framework/lcd/FixtureFont.hpp"
#include "framework/widgets/PixelBounds.hpp"
#include "framework/widgets/WidgetTexts.hpp"

#include <quillon/widgets/TextArea.hpp>
#include <quillon/widgets/TextAreaWithOneWildcard.hpp>
#include <support/TestFrame.hpp>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::test;

namespace
{
const Color SENTINEL = 0x1234;
const Color TEXT_COLOR = 0xFFE0;

class TextAreaTest : public ::testing::Test
{
protected:
    TestFrame frame{SENTINEL};
    WidgetTexts texts;
};
} // namespace

TEST_F(TextAreaTest, HeightCountsLinesWithTheirSpacing)
{
    TextArea area;
    area.setPosition(0, 0, 10, 10);
    area.setTextId(TypedText(WidgetTexts::THREE_LINES));
    EXPECT_EQ(area.getTextHeight(), 3 * 26);
    area.setLinespacing(2);
    EXPECT_EQ(area.getTextHeight(), 26 + 2 * 28);
    EXPECT_EQ(area.getTextWidth(), 10); // the widest line

    area.setTextId(TypedText());
    EXPECT_EQ(area.getTextHeight(), 0);
    EXPECT_EQ(area.getTextWidth(), 0);
    area.setTextId(TypedText(WidgetTexts::NONE_FONT)); // no font in its slot
    EXPECT_EQ(area.getTextHeight(), 0);
    EXPECT_EQ(area.getTextWidth(), 0);
}

TEST_F(TextAreaTest, OnlyAnUnsizedAreaFitsToItsText)
{
    TextArea unsized;
    unsized.setXY(5, 5);
    unsized.setTextId(TypedText(WidgetTexts::WORD));
    EXPECT_EQ(unsized.getRect(), Rectangle(5, 5, 20, 26));

    TextArea sized;
    sized.setPosition(5, 5, 100, 0); // one side given is a size given
    sized.setTextId(TypedText(WidgetTexts::WORD));
    EXPECT_EQ(sized.getRect(), Rectangle(5, 5, 100, 0));
    sized.fitToText();
    EXPECT_EQ(sized.getRect(), Rectangle(5, 5, 20, 26));

    TextArea invalid;
    invalid.setTextId(TypedText());
    EXPECT_EQ(invalid.getRect(), Rectangle());
    EXPECT_EQ(invalid.getTypedText(), TypedText());
}

TEST_F(TextAreaTest, DrawsItsTextInTheCurrentLanguage)
{
    TextArea area;
    area.setXY(300, 200);
    area.setColor(TEXT_COLOR);
    area.setTextId(TypedText(WidgetTexts::WORD)); // "AA"
    frame.draw(area);
    EXPECT_EQ(boundsOf(frame, TEXT_COLOR), Rectangle(300, 200, 18, 10));
    EXPECT_EQ(frame.count(TEXT_COLOR), 2 * 8 * 10);
    EXPECT_EQ(area.getOpaqueArea(), Rectangle()); // text never occludes

    LanguageTable::setLanguage(LANGUAGE_GERMAN); // "AAAA"
    EXPECT_EQ(area.getTextWidth(), 40);
    area.fitToText();
    frame.fill(SENTINEL);
    frame.draw(area);
    EXPECT_EQ(boundsOf(frame, TEXT_COLOR), Rectangle(300, 200, 38, 10));
    LanguageTable::setLanguage(LANGUAGE_ENGLISH);
}

TEST_F(TextAreaTest, DrawsOnlyTheInvalidatedPartAndNothingWithoutText)
{
    TextArea area;
    area.setColor(TEXT_COLOR);
    area.setTextId(TypedText(WidgetTexts::THREE_LINES));
    area.setLinespacing(2);
    area.fitToText();
    EXPECT_EQ(area.getRect(), Rectangle(0, 0, 10, 82));
    frame.draw(area, Rectangle(0, 28, 10, 28)); // the second line only
    EXPECT_EQ(boundsOf(frame, TEXT_COLOR), Rectangle(0, 28, 8, 10));

    frame.fill(SENTINEL);
    TextArea empty;
    empty.setPosition(0, 0, 50, 50);
    frame.draw(empty);
    empty.setTextId(TypedText(WidgetTexts::NONE_FONT));
    frame.draw(empty);
    EXPECT_EQ(frame.totalWrites(), 0);
}

TEST_F(TextAreaTest, WildcardIsMeasuredAndDrawnAsShown)
{
    WideChar wildcard[] = {'A', 'A', 0};
    TextAreaWithOneWildcard area;
    area.setColor(TEXT_COLOR);
    area.setTextId(TypedText(WidgetTexts::WILDCARD)); // "A%s"
    EXPECT_EQ(area.getRect(), Rectangle(0, 0, 10, 26)); // sized while the wildcard was null
    area.setWildcard(wildcard);
    EXPECT_EQ(area.getWildcard(), wildcard); // kept, not copied
    EXPECT_EQ(area.getTextWidth(), 30);
    area.fitToText();
    frame.draw(area);
    EXPECT_EQ(boundsOf(frame, TEXT_COLOR), Rectangle(0, 0, 28, 10));

    wildcard[1] = '\n'; // the owner changes its buffer
    EXPECT_EQ(area.getTextHeight(), 2 * 26);
    EXPECT_EQ(area.calculateTextHeight(W(u"A\n%s\n"), wildcard), 4 * 26);
    EXPECT_EQ(area.getType(), 13);
}

// A plain area shown a text with a placeholder leaves the placeholder out.
TEST_F(TextAreaTest, PlainAreaLeavesAPlaceholderOut)
{
    TextArea area;
    area.setColor(TEXT_COLOR);
    area.setTextId(TypedText(WidgetTexts::WILDCARD));
    EXPECT_EQ(area.getRect(), Rectangle(0, 0, 10, 26));
    area.setWidth(100);
    frame.draw(area);
    EXPECT_EQ(boundsOf(frame, TEXT_COLOR), Rectangle(0, 0, 8, 10));
}
