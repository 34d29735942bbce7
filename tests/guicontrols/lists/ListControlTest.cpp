#include "ListFixture.hpp"

#include "guicontrols/BaseTextItem.hpp"
#include "guicontrols/FavouritesItem.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/SimpleTextProvider.hpp"
#include "guicontrols/SubTextItem.hpp"
#include "guicontrols/TextImageProvider.hpp"
#include "guicontrols/TextWithImageItem.hpp"

#include <quillon/ApplicationFontProvider.hpp>

#include <deque>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
class ListControlTest : public ListTest
{
protected:
    // n text items reading one provider.
    void fillWithText(uint32_t n)
    {
        for (uint32_t i = 0; i < n; ++i) {
            textItems.emplace_back(&label, 0);
            list.add(&textItems.back());
        }
        list.updateItems();
    }

    bool lineDrawn(const IItemProvider& item, const quillon::Box& line, quillon::Color color)
    {
        static_cast<void>(item);
        const Rectangle r = onScreen(line);
        return frame.count(color, Rectangle(r.x, r.y, r.width, 2)) == r.width * 2;
    }

    SimpleTextProvider label{w(u"Supply temperature"), w(u"21°C"), 0};
    std::deque<BaseTextItem> textItems;
};
} // namespace

TEST_F(ListControlTest, HoldsAHundredItemsAndIgnoresMore)
{
    fillWithText(101);
    EXPECT_EQ(list.getCount(), 100u);
    EXPECT_TRUE(list.contains(&textItems[99]));
    EXPECT_FALSE(list.contains(&textItems[100]));
    EXPECT_EQ(textItems[100].getParent(), nullptr); // not placed either
    EXPECT_FALSE(list.contains(nullptr));
}

TEST_F(ListControlTest, TextItemsDrawLinesButTheLast)
{
    fillWithText(3);
    show();
    const quillon::Color lineColor = Palette::entry(0);
    EXPECT_TRUE(lineDrawn(textItems[0], textItems[0].getLine(), lineColor));
    EXPECT_TRUE(lineDrawn(textItems[1], textItems[1].getLine(), lineColor));
    EXPECT_FALSE(textItems[2].getLine().isVisible());
    const Rectangle last = onScreen(textItems[2]);
    EXPECT_EQ(frame.count(lineColor, Rectangle(last.x, static_cast<int16_t>(last.y + 64), 658, 2)), 0);
    // The line is as wide as a long button, starting at the item's left edge.
    EXPECT_EQ(onScreen(textItems[0].getLine()), Rectangle(30, 72 + 20 + 64, 658, 2));
}

TEST_F(ListControlTest, ASingleItemDrawsNoLine)
{
    fillWithText(1);
    show();
    EXPECT_EQ(textItems[0].getSeparators(), 0u);
    EXPECT_FALSE(textItems[0].getLine().isVisible());
}

TEST_F(ListControlTest, NoLineAboveAButtonItem)
{
    RecordingActions actions;
    ButtonItem button(&actions, 4);
    textItems.emplace_back(&label, 0);
    list.add(&textItems.back());
    list.add(&button);
    list.updateItems();
    show();
    EXPECT_FALSE(textItems[0].getLine().isVisible());
    EXPECT_EQ(textItems[0].getSeparators(), 0u);
    EXPECT_EQ(button.getSeparators(), 3u);
    EXPECT_EQ(button.getY(), 66); // stacked right below
}

TEST_F(ListControlTest, FittingContentKeepsTheBarColumnFree)
{
    fillWithText(2);
    show();
    EXPECT_FALSE(list.getDownButton().isVisible());
    EXPECT_FALSE(list.getUpButton().isVisible());
    EXPECT_EQ(textItems[0].getWidth(), 800 - 30 - 10 - 91);
    fillWithText(10); // now it scrolls: the width stays
    EXPECT_TRUE(list.getDownButton().isVisible());
    EXPECT_EQ(textItems[0].getWidth(), 669);
    EXPECT_EQ(textItems[11].getWidth(), 669);
}

TEST_F(ListControlTest, ItemsFollowTheListsWidth)
{
    fillWithText(12);
    list.setPosition(LIST_X, LIST_Y, 700, LIST_HEIGHT);
    EXPECT_EQ(textItems[0].getWidth(), 700 - 30 - 10 - 91);
    EXPECT_EQ(textItems[11].getWidth(), 569);
    list.setWidth(800);
    EXPECT_EQ(textItems[5].getWidth(), 669);
    EXPECT_EQ(textItems[5].getSecondTextField().getWidth(), 669); // laid out again
}

TEST_F(ListControlTest, ClearKeepsOrResetsTheScrollPosition)
{
    fillWithText(12);
    show();
    const Rectangle down = onScreen(list.getDownButton());
    clickAt(static_cast<int16_t>(down.x + 30), static_cast<int16_t>(down.y + 30));
    ASSERT_EQ(list.getScrollOffset(), 40);

    list.clear(false);
    EXPECT_EQ(list.getCount(), 0u);
    EXPECT_FALSE(list.contains(&textItems[0]));
    for (BaseTextItem& item : textItems) {
        list.add(&item);
    }
    list.updateItems();
    EXPECT_EQ(list.getScrollOffset(), 40);
    EXPECT_EQ(textItems[0].getY(), -40);

    list.clear(true);
    for (BaseTextItem& item : textItems) {
        list.add(&item);
    }
    EXPECT_EQ(list.getScrollOffset(), 0);
    EXPECT_EQ(textItems[0].getY(), 0);
}

TEST_F(ListControlTest, ANumberedTextItemDrawsItsLineInTheSecondaryColour)
{
    BaseTextItem numbered(0u);
    numbered.setProvider(&label, 3);
    BaseTextItem below(&label, 0);
    list.add(&numbered);
    list.add(&below);
    list.updateItems();
    show();
    EXPECT_TRUE(lineDrawn(numbered, numbered.getLine(), Palette::entry(12)));
    EXPECT_NE(Palette::entry(12), Palette::entry(0));
}

TEST_F(ListControlTest, TextsComeFromTheProviderOnUpdate)
{
    SubTextItem sub(&label);
    list.add(&sub);
    EXPECT_FALSE(sub.getTextField().hasText());
    list.updateItems();
    EXPECT_EQ(u16(sub.getTextField().getText()), u"Supply temperature");
    EXPECT_EQ(u16(sub.getSecondTextField().getText()), u"21°C");
    EXPECT_EQ(sub.getTextField().getX(), 60);
    EXPECT_EQ(sub.getTextField().getWidth(), 669 - 30);
    // Without a provider the texts stay.
    sub.setProvider(nullptr);
    sub.update();
    EXPECT_EQ(u16(sub.getTextField().getText()), u"Supply temperature");
}

// A label and value that would meet take the smaller font, then two rows; the next texts
// bound to the item are fitted afresh.
TEST_F(ListControlTest, CrowdedTextsShrinkThenTakeTwoRows)
{
    struct Case {
        const char16_t* label;
        const char16_t* value;
        bool sub;
        quillon::FontId font;
        bool twoRows;
    };
    const Case cases[] = {
        {u"Supply temperature", u"21°C", false, 2, false},
        {u"Type of heating circuit", u"Simple mixer circuit", false, 0, false},
        {u"Type of heating circuit", u"Simple mixer circuit", true, 0, false},
        {u"Type of heating circuit", u"Underfloor heating circuit", true, 0, true},
        {u"DHW cylinder connected to the hydraulic separator", u"behind", false, 0, true},
        {u"Supply temperature", u"", false, 2, false},
    };
    ApplicationFontProvider fonts;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.sub ? "sub " : "base ") << (&c - cases));
        SimpleTextProvider texts(w(c.label), w(c.value), 0);
        BaseTextItem base(&texts, 0);
        SubTextItem sub(&texts);
        BaseTextItem& item = c.sub ? static_cast<BaseTextItem&>(sub) : base;
        list.add(&item);
        list.updateItems();
        show();
        EXPECT_EQ(item.getTextField().getFont(), fonts.getFont(c.font));
        EXPECT_EQ(item.getSecondTextField().getFont(), fonts.getFont(c.font));
        // On two rows the value stands below where a one-row text ends.
        const Rectangle r = onScreen(item);
        const quillon::Color ink = item.getTextField().getColor();
        const Rectangle valueEndBelow(static_cast<int16_t>(r.x + r.width - 140), static_cast<int16_t>(r.y + 43), 100, 13);
        if (c.twoRows) {
            EXPECT_EQ(item.getTextField().getVerticalAlignment(), 0u);
            EXPECT_EQ(item.getSecondTextField().getVerticalAlignment(), 2u);
            EXPECT_GT(frame.count(ink, valueEndBelow), 0);
        } else {
            EXPECT_EQ(item.getTextField().getVerticalAlignment(), 1u);
            EXPECT_EQ(item.getSecondTextField().getVerticalAlignment(), 1u);
            EXPECT_EQ(frame.count(ink, valueEndBelow), 0);
        }
        list.clear(true); // before the item goes
    }
    // A long pair, then a short one on the same item: back to the list font on one row.
    SimpleTextProvider longTexts(w(u"Type of heating circuit"), w(u"Underfloor heating circuit"), 0);
    SubTextItem item(&longTexts);
    list.add(&item);
    list.updateItems();
    EXPECT_EQ(item.getTextField().getVerticalAlignment(), 0u);
    item.setProvider(&label);
    list.updateItems();
    EXPECT_EQ(item.getTextField().getFont(), fonts.getFont(2));
    EXPECT_EQ(item.getSecondTextField().getVerticalAlignment(), 1u);
    list.clear(true);
}

TEST_F(ListControlTest, FavouritesCheckFlipsWithoutWritingTheProvider)
{
    FavouritesProvider entry(w(u"Hot water"), 0);
    FavouritesItem item;
    item.setProvider(&entry);
    list.add(&item);
    list.updateItems();
    show();
    EXPECT_FALSE(item.isChecked());
    EXPECT_EQ(item.getButton().getIcon().getId(), 80);
    const Rectangle check = onScreen(item.getButton());
    EXPECT_EQ(check.x, 30 + 669 - 111);
    clickAt(static_cast<int16_t>(check.x + 35), static_cast<int16_t>(check.y + 35));
    EXPECT_TRUE(item.isChecked());
    EXPECT_EQ(item.getButton().getIcon().getId(), 81);
    EXPECT_EQ(entry.isFavourite(), 0);
    clickAt(static_cast<int16_t>(check.x + 35), static_cast<int16_t>(check.y + 35));
    EXPECT_FALSE(item.isChecked());
    EXPECT_EQ(item.getButton().getIcon().getId(), 80);
}

TEST_F(ListControlTest, AReleasedButtonItemRunsItsLine)
{
    RecordingActions actions;
    ButtonItem button(&actions, 7);
    ButtonItem withoutProvider(2u);
    list.add(&button);
    list.add(&withoutProvider);
    list.updateItems();
    show();
    EXPECT_EQ(u16(button.getButton().getText()), u"Run the test");
    const Rectangle first = onScreen(button);
    clickAt(static_cast<int16_t>(first.x + 100), static_cast<int16_t>(first.y + 30));
    EXPECT_EQ(actions.executed, std::vector<uint32_t>{7});
    const Rectangle second = onScreen(withoutProvider);
    clickAt(static_cast<int16_t>(second.x + 100), static_cast<int16_t>(second.y + 30));
    EXPECT_EQ(actions.executed, std::vector<uint32_t>{7});
}

TEST_F(ListControlTest, ImageItemShowsItsBitmapNearTheRightEnd)
{
    TextImageProvider content(w(u"Solar"), 80);
    TextWithImageItem item(&content);
    list.add(&item);
    list.updateItems();
    show();
    EXPECT_EQ(item.getImage().getBitmap().getId(), 80);
    EXPECT_EQ(onScreen(item.getImage()).x, 30 + 669 - 70);
    EXPECT_FALSE(item.getLine().isVisible());
}
