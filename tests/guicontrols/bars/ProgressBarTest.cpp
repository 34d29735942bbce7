#include "guicontrols/Palette.hpp"
#include "guicontrols/ProgressBar.hpp"
#include "guicontrols/WidgetFixture.hpp"

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
const int BORDER_PIXELS = 2 * 447 * 2 + 2 * 35 * 2;
}

TEST_F(WidgetTest, ProgressBarRevealsItsBarFromTheLeft)
{
    struct Case
    {
        uint8_t percent;
        int16_t revealed;
    };
    const Case cases[] = {{0, 0}, {1, 4}, {50, 219}, {100, 439}, {150, 439}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.percent);
        ProgressBar bar;
        EXPECT_EQ(bar.getRect(), Rectangle(0, 0, 447, 39));
        bar.setXY(100, 200);
        bar.setProgress(c.percent);
        EXPECT_EQ(bar.getRevealedWidth(), c.revealed);
        frame.fill(SENTINEL);
        frame.draw(bar);
        EXPECT_EQ(frame.count(Palette::entry(2), Rectangle(100, 200, 447, 2)), 2 * 447);
        EXPECT_EQ(frame.count(Palette::entry(2), Rectangle(100, 202, 2, 35)), 2 * 35);
        // Bar pixels exactly over the revealed columns; the ring inside the border is left.
        const Rectangle inside(104, 204, 439, 31);
        EXPECT_EQ(frame.count(SENTINEL, inside), (439 - c.revealed) * 31);
        EXPECT_EQ(frame.count(SENTINEL, Rectangle(104, 204, c.revealed, 31)), 0);
        EXPECT_EQ(frame.count(SENTINEL, Rectangle(102, 202, 443, 2)), 443 * 2);
        EXPECT_EQ(frame.count(SENTINEL), 800 * 480 - BORDER_PIXELS - c.revealed * 31);
        EXPECT_TRUE(bar.getOpaqueArea().isEmpty());
    }
}

TEST_F(WidgetTest, ProgressBarRedrawsOnlyOnAChange)
{
    quillon::Screen screen;
    application.switchScreen(&screen);
    ProgressBar bar;
    bar.setXY(100, 200);
    application.setDrawCaching(true);
    bar.setProgress(0);
    EXPECT_EQ(application.cachedAreas().size(), 0u);
    bar.setProgress(50);
    ASSERT_EQ(application.cachedAreas().size(), 1u);
    EXPECT_EQ(application.cachedAreas()[0], Rectangle(100, 200, 447, 39));
    application.setDrawCaching(false);
    application.setDrawCaching(true);
    bar.setProgress(50);
    EXPECT_EQ(application.cachedAreas().size(), 0u);
    application.setDrawCaching(false);
}

// A redraw of part of the bar writes inside that part only: whatever lies over the rest of
// the bar is not painted over.
TEST_F(WidgetTest, ProgressBarDrawsOnlyTheRedrawnPart)
{
    ProgressBar bar;
    bar.setXY(100, 200);
    bar.setProgress(60);
    const std::vector<quillon::Color> whole = drawn(bar);
    const Rectangle part(200, 10, 100, 29);
    frame.fill(SENTINEL);
    frame.draw(bar, part);
    const Rectangle onScreen(300, 210, 100, 29);
    EXPECT_EQ(frame.count(SENTINEL) - frame.count(SENTINEL, onScreen), 800 * 480 - 100 * 29);
    EXPECT_LT(frame.count(SENTINEL, onScreen), 100 * 29);
    EXPECT_EQ(drawnInParts(bar, bands(447, 39, 5)), whole);
}
