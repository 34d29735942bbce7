#include "guicontrols/Palette.hpp"
#include "guicontrols/ScrollArea.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/events/ClickEvent.hpp>
#include <quillon/widgets/Box.hpp>

#include <deque>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::ClickEvent;
using quillon::Rectangle;

namespace
{
// A scroll area as a list screen lays it out, with items of one height.
class ScrollAreaTest : public WidgetTest
{
protected:
    void layOut(uint16_t left, uint16_t right, uint16_t top, uint16_t bottom)
    {
        area.setPadding(left, right, top, bottom);
        area.setPosition(0, 72, 800, 337);
    }

    // Adds count more items.
    void fill(size_t count, int16_t height)
    {
        for (size_t i = 0; i < count; ++i) {
            items.emplace_back();
            items.back().setPosition(0, 0, area.getContentWidth(), height);
            area.addItem(items.back());
        }
    }

    // Through the buttons' own click handling, as a finger lifted off them.
    void click(const IconButton& button)
    {
        IconButton& target = const_cast<IconButton&>(button);
        target.onClick(ClickEvent(ClickEvent::PRESSED, 10, 10));
        target.onClick(ClickEvent(ClickEvent::RELEASED, 10, 10));
    }
    void down() { click(area.getDownButton()); }
    void up() { click(area.getUpButton()); }

    int position() const { return area.getScrollBar().getIndicatorPosition(); }
    int range() const { return area.getScrollBar().getRange(); }

    // The area sizes its buttons from the bitmaps when it is built.
    struct Bitmaps
    {
        Bitmaps() { BitmapDatabase::registerDatabase(); }
    } bitmaps;
    ScrollArea area;
    std::deque<quillon::Box> items; // never moved once added
};
} // namespace

TEST_F(ScrollAreaTest, FittingContentShowsNoControls)
{
    layOut(30, 10, 10, 10);
    EXPECT_FALSE(area.getScrollBar().isVisible());
    EXPECT_EQ(area.getItemsArea().getRect(), Rectangle(30, 10, 760, 317));
    fill(1, 317); // exactly as tall as the items area
    EXPECT_EQ(area.getMaxScrollOffset(), 0);
    EXPECT_FALSE(area.getUpButton().isVisible());
    EXPECT_FALSE(area.getDownButton().isVisible());
    EXPECT_EQ(area.getContentWidth(), 760);
    down();
    EXPECT_EQ(area.getScrollOffset(), 0);
}

TEST_F(ScrollAreaTest, OverflowShowsTheControlsAndNarrowsTheItems)
{
    layOut(30, 10, 10, 10);
    fill(4, 79);
    EXPECT_FALSE(area.getScrollBar().isVisible());
    fill(1, 79); // the fifth item reaches past 317
    EXPECT_TRUE(area.getScrollBar().isVisible());
    EXPECT_TRUE(area.getUpButton().isVisible());
    EXPECT_TRUE(area.getDownButton().isVisible());
    EXPECT_EQ(area.getItemsArea().getRect(), Rectangle(30, 15, 669, 307));
    for (const quillon::Box& item : items) {
        EXPECT_EQ(item.getWidth(), 669);
    }
    // Measured against the narrowed area: the last item's bottom is reachable at once.
    EXPECT_EQ(area.getMaxScrollOffset(), 4 * 79 + 79 - 307);
    EXPECT_EQ(area.getUpButton().getRect(), Rectangle(800 - 71 - 20, 10, 71, 71));
    EXPECT_EQ(area.getDownButton().getRect(), Rectangle(709, 337 - 71 - 10, 71, 71));
    EXPECT_EQ(area.getScrollBar().getRect(), Rectangle(709, 81, 71, 175));
}

// Insets 30, 10, 10, 10: items area 307 high, bar 175, maximum offset 483, step 40.
TEST_F(ScrollAreaTest, WorkedExample)
{
    layOut(30, 10, 10, 10);
    fill(10, 79); // 790 = 307 + 483
    ASSERT_EQ(area.getMaxScrollOffset(), 483);
    EXPECT_EQ(area.getScrollBar().getIndicatorLength(), 68); // ratio 388, t 679
    EXPECT_EQ(range(), 107);
    EXPECT_EQ(area.getBarStep(), 9); // u 88

    up(); // at the top: nothing
    EXPECT_EQ(area.getScrollOffset(), 0);
    EXPECT_EQ(position(), 0);
    EXPECT_EQ(items[0].getY(), 0);

    down();
    down();
    EXPECT_EQ(area.getScrollOffset(), 80);
    EXPECT_EQ(position(), 18);
    EXPECT_EQ(items[0].getY(), -80);
    EXPECT_EQ(items[9].getY(), 9 * 79 - 80);
    for (int i = 0; i < 9; ++i) {
        down();
    }
    EXPECT_EQ(area.getScrollOffset(), 440);
    EXPECT_EQ(position(), 99);
    down(); // 43 left: only these move, and the indicator goes to the bottom
    EXPECT_EQ(area.getScrollOffset(), 483);
    EXPECT_EQ(position(), 107);
    EXPECT_EQ(items[9].getRect().bottom(), area.getItemsArea().getHeight());
    down(); // at the end: nothing
    EXPECT_EQ(area.getScrollOffset(), 483);
    EXPECT_EQ(items[9].getRect().bottom(), 307);
}

// Down to the end, then Up to the top, for several lengths of content: the offset never
// passes the maximum nor wraps below 0, and every item is back where it started.
TEST_F(ScrollAreaTest, DownToTheEndAndUpToTheTopRestoreEveryItem)
{
    struct Case
    {
        size_t count;
        int16_t height;
        int downs; // -1: not checked
    };
    const Case cases[] = {{19, 66, 24}, {5, 66, 1}, {6, 66, -1}, {10, 66, -1}, {40, 66, -1}, {7, 100, -1}, {60, 37, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        area.reset(true); // unlinks the previous case's items before they go
        items.clear();
        layOut(30, 10, 15, 15);
        fill(c.count, c.height);
        const int16_t maximum = area.getMaxScrollOffset();
        ASSERT_GT(maximum, 0);
        EXPECT_EQ(maximum, static_cast<int>(c.count) * c.height - 297);
        int downs = 0;
        while (area.getScrollOffset() < maximum && downs < 200) {
            down();
            ++downs;
            EXPECT_LE(area.getScrollOffset(), maximum);
        }
        if (c.downs >= 0) {
            EXPECT_EQ(downs, c.downs);
        }
        EXPECT_EQ(area.getScrollOffset(), maximum);
        EXPECT_EQ(position(), range());
        EXPECT_EQ(items.back().getRect().bottom(), area.getItemsArea().getHeight());
        int ups = 0;
        while (area.getScrollOffset() > 0 && ups < 200) {
            up();
            ++ups;
            EXPECT_LE(area.getScrollOffset(), maximum); // no wrap below 0
        }
        up(); // at the top: nothing
        EXPECT_EQ(area.getScrollOffset(), 0);
        EXPECT_EQ(position(), 0);
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].getY(), static_cast<int16_t>(i * c.height)) << i;
        }
    }
}

TEST_F(ScrollAreaTest, RefillKeepsTheScrollPositionUnlessResetToTheTop)
{
    layOut(30, 10, 10, 10);
    fill(10, 79);
    down();
    down();
    area.removeAll();
    EXPECT_EQ(area.getScrollOffset(), 80);
    std::deque<quillon::Box> again(10);
    for (quillon::Box& item : again) {
        item.setPosition(0, 0, area.getContentWidth(), 79);
        area.addItem(item);
    }
    EXPECT_EQ(again[0].getY(), -80);
    EXPECT_EQ(area.getMaxScrollOffset(), 483);
    EXPECT_EQ(position(), 18);

    area.reset(true);
    EXPECT_EQ(position(), 0);
    EXPECT_EQ(area.getScrollOffset(), 0);
    for (quillon::Box& item : again) {
        area.addItem(item);
    }
    EXPECT_EQ(again[0].getY(), 0);
    EXPECT_EQ(again[9].getY(), 9 * 79);
}

TEST_F(ScrollAreaTest, RemovingAndLayingOutAgain)
{
    layOut(30, 10, 10, 10);
    fill(10, 79);
    quillon::Box stranger;
    stranger.setHeight(500);
    area.remove(stranger); // not an item: nothing changes
    EXPECT_EQ(area.getMaxScrollOffset(), 483);
    area.remove(items[9]);
    EXPECT_EQ(area.getMaxScrollOffset(), 483 - 79);
    quillon::Box replacement;
    replacement.setPosition(0, 0, area.getContentWidth(), 79);
    area.addItem(replacement);
    EXPECT_EQ(replacement.getY(), 9 * 79); // where the removed one was
    EXPECT_EQ(area.getMaxScrollOffset(), 483);

    area.setPosition(0, 72, 800, 337);
    quillon::Box later;
    later.setPosition(0, 0, area.getContentWidth(), 10);
    area.addItem(later);
    EXPECT_EQ(later.getY(), 0); // from the top again
    EXPECT_EQ(items[0].getY(), 0);
}

TEST_F(ScrollAreaTest, StepChangeResizesTheBarStep)
{
    layOut(30, 10, 10, 10);
    fill(10, 79);
    area.setScrollStep(80);
    EXPECT_EQ(area.getBarStep(), 18); // u 176
    down();
    EXPECT_EQ(area.getScrollOffset(), 80);
    EXPECT_EQ(position(), 18);
}

TEST_F(ScrollAreaTest, IndicatorDrawsItsCapsAndMiddle)
{
    ScrollBarIndicator indicator;
    indicator.setPosition(300, 100, 70, 68);
    const std::vector<quillon::Color> whole = drawn(indicator);
    const Rectangle thumb(300, 100, 70, 68);
    EXPECT_EQ(frame.count(SENTINEL) - frame.count(SENTINEL, thumb), 800 * 480 - 70 * 68);
    EXPECT_EQ(frame.count(SENTINEL, Rectangle(330, 101, 10, 66)), 0); // the thumb's solid core
    EXPECT_EQ(drawnInParts(indicator, bands(70, 68, 3)), whole);
    indicator.setHeight(5); // caps overlap, nothing leaves the thumb
    drawn(indicator);
    EXPECT_EQ(frame.count(SENTINEL) - frame.count(SENTINEL, Rectangle(300, 100, 70, 5)), 800 * 480 - 70 * 5);
}

// The bar's background shows beside the thumb, wherever the thumb goes, and where it was.
TEST_F(ScrollAreaTest, BackgroundShowsBesideTheIndicator)
{
    quillon::Screen screen;
    ScrollBar bar;
    bar.setXY(500, 100);
    screen.add(bar);
    application.switchScreen(&screen);
    frame.frames(1);
    const quillon::Color background = Palette::entry(4);
    EXPECT_EQ(frame.count(background, Rectangle(500, 100, 29, 70)), 29 * 70);
    EXPECT_LT(frame.count(background, Rectangle(500, 100, 71, 70)), 71 * 70);
    bar.setIndicatorPosition(100);
    frame.frames(1);
    EXPECT_EQ(frame.count(background, Rectangle(500, 100, 71, 100)), 71 * 100);
    EXPECT_EQ(frame.count(background, Rectangle(500, 200, 29, 70)), 29 * 70);
    EXPECT_LT(frame.count(background, Rectangle(500, 200, 71, 70)), 71 * 70);
}
