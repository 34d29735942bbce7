#include "framework/PrintRectangle.hpp"
#include "framework/widgets/PixelBounds.hpp"
#include "framework/widgets/WidgetBitmaps.hpp"
#include "framework/widgets/WidgetTexts.hpp"

#include <quillon/Callback.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/Screen.hpp>
#include <quillon/containers/ScrollableContainer.hpp>
#include <quillon/widgets/Box.hpp>
#include <quillon/widgets/ButtonWithLabel.hpp>
#include <quillon/widgets/Image.hpp>
#include <quillon/widgets/TextArea.hpp>
#include <quillon/widgets/TextAreaWithOneWildcard.hpp>
#include <support/TestApplication.hpp>
#include <support/TestFrame.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

using namespace quillon;
using namespace quillon::test;
using namespace quillon::test::widgetbitmaps;

namespace
{
const Color SENTINEL = 0x1234;
const Color BACKGROUND = 0x2104;
const Color TITLE_COLOR = 0xFFE0;
const Color STATUS_OFF = 0x8000;
const Color STATUS_ON = 0x0400;
const Color LABEL_COLOR = 0xF800;
const Color LABEL_PRESSED_COLOR = 0x001F;
const Color ROW_TEXT_COLOR = 0x07FF;
const int ROWS = 6;

Color rowColor(int row)
{
    return static_cast<Color>(0x3000 + 0x0101 * row);
}

// A page as a view builds one: widgets as members, placed in one set-up, a button reporting
// through a callback bound to the screen.
class DemoScreen : public Screen
{
public:
    DemoScreen() : logo(Bitmap(ROUNDED)), buttonCallback(this, &DemoScreen::buttonClicked)
    {
        background.setPosition(0, 0, 800, 480);
        background.setColor(BACKGROUND);
        title.setPosition(20, 10, 200, 26);
        title.setColor(TITLE_COLOR);
        title.setTextId(TypedText(WidgetTexts::WORD));
        logo.setXY(700, 10);
        status.setPosition(20, 100, 100, 50);
        status.setColor(STATUS_OFF);
        button.setXY(200, 100);
        button.setBitmaps(Bitmap(WIDE_UP), Bitmap(WIDE_DOWN));
        button.setLabelText(TypedText(WidgetTexts::LABEL));
        button.setLabelColor(LABEL_COLOR);
        button.setLabelColorPressed(LABEL_PRESSED_COLOR);
        button.setAction(buttonCallback);
        list.setPosition(400, 100, 200, 200);
        for (int i = 0; i < ROWS; ++i) {
            rows[i].setPosition(0, static_cast<int16_t>(i * 100), 200, 100);
            rows[i].setColor(rowColor(i));
            list.add(rows[i]);
            rowNumbers[i][0] = static_cast<WideChar>('A');
            rowNumbers[i][1] = 0;
            rowTexts[i].setXY(10, static_cast<int16_t>(i * 100 + 10));
            rowTexts[i].setColor(ROW_TEXT_COLOR);
            rowTexts[i].setWildcard(rowNumbers[i]);
            rowTexts[i].setTextId(TypedText(WidgetTexts::WILDCARD)); // "A%s", sized with its wildcard
            list.add(rowTexts[i]);
        }
        add(background);
        add(title);
        add(logo);
        add(status);
        add(button);
        add(list);
    }

    void buttonClicked(const AbstractButton& source)
    {
        clicks.push_back(&source);
        status.setColor(STATUS_ON);
        status.invalidate();
    }

    Box background;
    TextArea title;
    Image logo;
    Box status;
    ButtonWithLabel button;
    ScrollableContainer list;
    Box rows[ROWS];
    TextAreaWithOneWildcard rowTexts[ROWS];
    WideChar rowNumbers[ROWS][2];
    Callback<DemoScreen, const AbstractButton&> buttonCallback;
    std::vector<const AbstractButton*> clicks;
};

class WholeScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        screen.reset(new DemoScreen);
        frame.hal().setListener(&application);
        application.switchScreen(screen.get()); // invalidates the whole display
        frame.frames(1);
    }

    void TearDown() override { LanguageTable::setLanguage(LANGUAGE_ENGLISH); }

    // Presses, moves through the points one frame each, holds, and lifts.
    void touchPath(const std::vector<std::pair<int16_t, int16_t>>& points, uint32_t holdFrames)
    {
        for (const auto& p : points) {
            frame.touch().queueTouch(p.first, p.second);
        }
        frame.frames(static_cast<uint32_t>(points.size()));
        frame.touch().press(points.back().first, points.back().second);
        frame.frames(holdFrames);
        frame.touch().release();
        frame.frames(1);
    }

    int16_t listContentY() const { return screen->list.getChildrenArea().y; }

    WidgetBitmaps database;
    TestFrame frame{SENTINEL};
    WidgetTexts texts;
    TestApplication application;
    std::unique_ptr<DemoScreen> screen;
};
} // namespace

TEST_F(WholeScreenTest, FirstFrameDrawsEveryWidgetOnceWhereItIsSeen)
{
    EXPECT_EQ(frame.count(SENTINEL), 0); // the whole display was drawn
    EXPECT_EQ(frame.count(STATUS_OFF), 100 * 50);
    EXPECT_EQ(boundsOf(frame, STATUS_OFF), Rectangle(20, 100, 100, 50));
    EXPECT_EQ(boundsOf(frame, WIDE_UP_COLOR), Rectangle(200, 100, 120, 50));
    EXPECT_EQ(boundsOf(frame, LABEL_COLOR), Rectangle(254, 114, 10, 21)); // centred label
    EXPECT_EQ(boundsOf(frame, TITLE_COLOR), Rectangle(20, 10, 18, 10));  // "AA"
    EXPECT_EQ(boundsOf(frame, ROUNDED_COLOR), Rectangle(702, 12, 6, 6));  // the solid centre
    EXPECT_EQ(frame.count(rowColor(0)), 200 * 100 - 2 * 8 * 10);           // less its "AA"
    EXPECT_EQ(frame.count(rowColor(1)), 200 * 100 - 2 * 8 * 10);
    EXPECT_EQ(frame.count(rowColor(2)), 0);                                 // scrolled out of sight
    EXPECT_EQ(boundsOf(frame, ROW_TEXT_COLOR), Rectangle(410, 110, 18, 110));

    // Occlusion culling: the background is not drawn under opaque widgets, text is drawn
    // over what lies beneath it.
    EXPECT_EQ(frame.writes(5, 5), 1);
    EXPECT_EQ(frame.writes(30, 110), 1);   // status box only
    EXPECT_EQ(frame.writes(210, 110), 1);  // button bitmap only
    EXPECT_EQ(frame.writes(255, 120), 2);  // bitmap, then label
    EXPECT_EQ(frame.writes(21, 11), 2);    // background, then title
    EXPECT_EQ(frame.writes(700, 10), 1);   // the logo's see-through ring writes nothing
    EXPECT_EQ(frame.writes(703, 13), 1);   // the logo's solid centre hides the background
    EXPECT_EQ(frame.maxWritesPerPixel(), 2);
}

TEST_F(WholeScreenTest, ClickFiresTheCallbackAndRedrawsOnlyWhatChanged)
{
    frame.hal().clearPresentedAreas();
    frame.resetWrites();

    frame.touch().press(260, 120);
    frame.frames(1);
    EXPECT_TRUE(screen->clicks.empty());
    EXPECT_EQ(boundsOf(frame, WIDE_DOWN_COLOR), Rectangle(200, 100, 120, 50)); // drawn pressed
    EXPECT_EQ(frame.count(LABEL_PRESSED_COLOR), 10 * 21);
    EXPECT_EQ(frame.hal().presentedAreas(), (std::vector<Rectangle>{{200, 100, 120, 50}}));

    frame.touch().release();
    frame.frames(1);
    ASSERT_EQ(screen->clicks.size(), 1u);
    EXPECT_EQ(screen->clicks[0], &screen->button);
    EXPECT_EQ(frame.count(STATUS_ON), 100 * 50);
    EXPECT_EQ(frame.count(STATUS_OFF), 0);
    EXPECT_EQ(frame.count(WIDE_UP_COLOR), 120 * 50 - 10 * 21); // released again
    EXPECT_EQ(frame.count(LABEL_COLOR), 10 * 21);

    // Two frames, three areas: the button twice, the status box once; nothing else was touched.
    const std::vector<Rectangle>& presented = frame.hal().presentedAreas();
    EXPECT_EQ(presented.size(), 3u);
    EXPECT_EQ(std::count(presented.begin(), presented.end(), Rectangle(200, 100, 120, 50)), 2);
    EXPECT_EQ(std::count(presented.begin(), presented.end(), Rectangle(20, 100, 100, 50)), 1);
    EXPECT_EQ(frame.writes(5, 5), 0);
    EXPECT_EQ(frame.writes(500, 200), 0);
    EXPECT_EQ(frame.writes(30, 110), 1);
    EXPECT_EQ(frame.writes(210, 110), 2);
}

TEST_F(WholeScreenTest, SlidingOffTheButtonBeforeLiftingFiresNothing)
{
    touchPath({{260, 120}, {260, 140}, {260, 170}}, 10);
    EXPECT_TRUE(screen->clicks.empty());
    EXPECT_EQ(frame.count(STATUS_OFF), 100 * 50);
    EXPECT_EQ(frame.count(WIDE_UP_COLOR), 120 * 50 - 10 * 21); // drawn released
}

TEST_F(WholeScreenTest, DragScrollsTheListAndShowsItsIndicatorWhileHeld)
{
    // 6 pixels start the scroll with one pixel, the next steps move by their own length.
    for (const auto& p : std::vector<std::pair<int16_t, int16_t>>{{500, 250}, {500, 244}, {500, 200}, {500, 150}}) {
        frame.touch().queueTouch(p.first, p.second);
    }
    frame.frames(4);
    frame.touch().press(500, 150);
    frame.frames(10); // held still: no swipe on lifting
    EXPECT_EQ(listContentY(), -95);
    EXPECT_EQ(frame.at(500, 104), rowColor(0));
    EXPECT_EQ(frame.at(500, 105), rowColor(1));
    EXPECT_EQ(frame.at(500, 299), rowColor(2));
    // Indicator: 200 of 600 shown, 95 above and 305 below: white at alpha 120 over the row.
    const Rectangle indicator(400 + 194, 100 + 3 + 95 * 200 / 600, 2, 194 - 95 * 200 / 600 - 305 * 200 / 600);
    EXPECT_EQ(boundsOf(frame, frame.at(indicator.x, indicator.y)), indicator);
    EXPECT_NE(frame.at(indicator.x, indicator.y), rowColor(1));

    frame.touch().release();
    frame.frames(1);
    EXPECT_EQ(listContentY(), -95);
    EXPECT_EQ(frame.at(indicator.x, indicator.y), rowColor(1)); // hidden and repainted
    EXPECT_EQ(frame.count(SENTINEL), 0);
}

TEST_F(WholeScreenTest, SwipeGlidesTheListToItsEnd)
{
    touchPath({{500, 290}, {500, 260}, {500, 230}}, 0); // lifted while moving 30 a frame
    int framesRun = 0;
    while (application.timerWidgetCount() > 0 && framesRun < 200) {
        frame.frames(1);
        framesRun++;
    }
    EXPECT_EQ(listContentY(), -400); // stopped at the bottom
    EXPECT_LT(framesRun, 119);
    EXPECT_EQ(frame.at(500, 299), rowColor(5));
    EXPECT_EQ(frame.at(500, 100), rowColor(4));
    EXPECT_EQ(frame.count(rowColor(0)), 0);
}

TEST_F(WholeScreenTest, TitleFollowsTheLanguageInEveryLanguage)
{
    for (LanguageId language = 0; language < NUMBER_OF_LANGUAGES; ++language) {
        SCOPED_TRACE(language);
        LanguageTable::setLanguage(language);
        screen->title.invalidate();
        frame.frames(1);
        const int glyphs = language == LANGUAGE_GERMAN ? 4 : 2;
        EXPECT_EQ(frame.count(TITLE_COLOR), glyphs * 8 * 10);
        EXPECT_EQ(boundsOf(frame, TITLE_COLOR), Rectangle(20, 10, static_cast<int16_t>(glyphs * 10 - 2), 10));
    }
}
