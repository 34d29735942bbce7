#include "guicontrols/PageIndicator.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/WidgetFixture.hpp"

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
std::vector<int> selectedDots(const PageIndicator& indicator)
{
    std::vector<int> selected;
    for (uint8_t i = 0; i < indicator.getNumberOfPages(); ++i) {
        if (indicator.getDot(i).isChecked()) {
            selected.push_back(i);
        }
    }
    return selected;
}
} // namespace

TEST_F(WidgetTest, PageIndicatorCentresItsDotsOnTheAnchor)
{
    struct Case
    {
        uint8_t pages;
        uint8_t dots;
        int16_t width;
        int16_t x;
    };
    const Case cases[] = {
        {3, 3, 55, 373},
        {25, 20, 395, 203},
        {20, 20, 395, 203},
        {1, 1, 15, 393},
        {0, 1, 15, 393}, // no page still shows one dot, not a row -5 px wide
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pages);
        PageIndicator indicator;
        indicator.setAnchor(400, 300);
        indicator.setNumberOfPages(c.pages);
        EXPECT_EQ(indicator.getNumberOfPages(), c.dots);
        EXPECT_EQ(indicator.getRect(), Rectangle(c.x, 300, c.width, 15));
        frame.fill(SENTINEL);
        frame.draw(indicator);
        int drawnDots = 0;
        for (int16_t x = c.x; x < c.x + c.width; x = static_cast<int16_t>(x + 20)) {
            EXPECT_EQ(frame.count(SENTINEL, Rectangle(x, 300, 15, 15)), 0);
            ++drawnDots;
        }
        EXPECT_EQ(drawnDots, c.dots);
        EXPECT_EQ(frame.count(SENTINEL), 800 * 480 - c.dots * 15 * 15); // the gaps stay
    }
}

TEST_F(WidgetTest, PageIndicatorSelectsOneDot)
{
    PageIndicator indicator;
    indicator.setAnchor(400, 300);
    indicator.setNumberOfPages(3);
    EXPECT_EQ(indicator.getDot(0).getX(), 0);
    EXPECT_EQ(indicator.getDot(2).getX(), 40); // 373 + 40 = 413
    EXPECT_EQ(selectedDots(indicator), std::vector<int>{0});
    indicator.setCurrentPage(2);
    EXPECT_EQ(selectedDots(indicator), std::vector<int>{2});
    EXPECT_EQ(indicator.getCurrentPage(), 2);
    frame.fill(SENTINEL);
    frame.draw(indicator);
    EXPECT_EQ(frame.count(Palette::entry(14), Rectangle(413, 300, 15, 15)), 225);
    EXPECT_EQ(frame.count(Palette::entry(15), Rectangle(373, 300, 35, 15)), 450);

    indicator.nextPage();
    EXPECT_EQ(selectedDots(indicator), std::vector<int>{0});
    indicator.nextPage();
    EXPECT_EQ(indicator.getCurrentPage(), 1);
    indicator.setCurrentPage(3); // past the last page: none selected
    EXPECT_TRUE(selectedDots(indicator).empty());
    EXPECT_EQ(indicator.getCurrentPage(), 0);
    EXPECT_TRUE(indicator.getOpaqueArea().isEmpty());
}

// A redraw that cuts through the dots (a closing popup's edge) gives the pixels of a whole one.
TEST_F(WidgetTest, PageIndicatorRedrawnInPartsLooksAsWhole)
{
    PageIndicator indicator;
    indicator.setAnchor(400, 300);
    indicator.setNumberOfPages(7);
    indicator.setCurrentPage(3);
    const std::vector<quillon::Color> whole = drawn(indicator);
    EXPECT_EQ(drawnInParts(indicator, bands(indicator.getWidth(), 15, 4)), whole);
    const std::vector<Rectangle> columns = {Rectangle(0, 0, 7, 15), Rectangle(7, 0, 50, 15), Rectangle(57, 0, 100, 15)};
    EXPECT_EQ(drawnInParts(indicator, columns), whole);
    SelectableBox dot;
    dot.setXY(10, 10);
    frame.fill(SENTINEL);
    frame.draw(dot, Rectangle(5, 5, 20, 20));
    EXPECT_EQ(frame.count(Palette::entry(15)), 10 * 10); // only the part asked for
}
