#include "guicontrols/MainTopBar.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <memory>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
// The board clock as the test sets it.
struct FakeClock
{
    static helpers::DateTime now;
    static bool readable;
    static int changesPending;
    static int reads;

    static bool read(helpers::DateTime& value)
    {
        ++reads;
        if (!readable) {
            return false;
        }
        value = now;
        return true;
    }
    static bool changed()
    {
        if (changesPending == 0) {
            return false;
        }
        --changesPending;
        return true;
    }
};
helpers::DateTime FakeClock::now;
bool FakeClock::readable = true;
int FakeClock::changesPending = 0;
int FakeClock::reads = 0;

const MainTopBar::Clock FAKE_CLOCK = {FakeClock::read, FakeClock::changed};

class ButtonRecorder
{
public:
    ButtonRecorder() : callback(this, &ButtonRecorder::onButton) {}
    void onButton(const int& index) { indexes.push_back(index); }

    quillon::Callback<ButtonRecorder, const int&> callback;
    std::vector<int> indexes;
};

class MainTopBarTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        FakeClock::now = helpers::DateTime(2016, 12, 31, 9, 5, 0);
        FakeClock::readable = true;
        FakeClock::changesPending = 0;
        FakeClock::reads = 0;
    }
};
} // namespace

TEST_F(MainTopBarTest, ShowsTheClockAndReformatsOnlyOnAChange)
{
    std::unique_ptr<MainTopBar> bar(new MainTopBar(FAKE_CLOCK));
    EXPECT_EQ(u16(bar->getDateText()), std::u16string(u"31.12.16"));
    EXPECT_EQ(u16(bar->getTimeText()), std::u16string(u"09:05"));
    EXPECT_EQ(application.timerWidgetCount(), 1);

    FakeClock::now = helpers::DateTime(2017, 1, 1, 0, 0, 0);
    frame.frames(20);
    EXPECT_EQ(FakeClock::reads, 1); // no change reported, nothing read or formatted
    EXPECT_EQ(u16(bar->getTimeText()), std::u16string(u"09:05"));

    FakeClock::changesPending = 1;
    frame.frames(1);
    EXPECT_EQ(FakeClock::reads, 2);
    EXPECT_EQ(u16(bar->getDateText()), std::u16string(u"01.01.17"));
    EXPECT_EQ(u16(bar->getTimeText()), std::u16string(u"00:00"));

    // A failed read keeps the last date and time.
    FakeClock::readable = false;
    FakeClock::changesPending = 1;
    frame.frames(1);
    EXPECT_EQ(FakeClock::reads, 3);
    EXPECT_EQ(u16(bar->getTimeText()), std::u16string(u"00:00"));

    frame.frames(5);
    EXPECT_EQ(application.timerWidgetCount(), 1); // for its whole life
    bar.reset();
    frame.frames(1);
    EXPECT_EQ(application.timerWidgetCount(), 0);
}

TEST_F(MainTopBarTest, ClockTextsAreDrawnInTheClockField)
{
    MainTopBar bar(FAKE_CLOCK);
    const std::vector<quillon::Color> pixels = drawn(bar);
    EXPECT_GT(frame.count(Palette::entry(11), Rectangle(689, 8, 111, 26)), 20);
    EXPECT_GT(frame.count(Palette::entry(11), Rectangle(689, 34, 111, 26)), 20);
    EXPECT_EQ(frame.count(SENTINEL, Rectangle(0, 0, 800, 69)), 0);
    EXPECT_EQ(frame.count(SENTINEL), 800 * (480 - 69));
    (void)pixels;
}

TEST_F(MainTopBarTest, LongTitleIsCutAndTerminated)
{
    MainTopBar bar(FAKE_CLOCK);
    const std::u16string title(60, u'x');
    bar.setTitle(w(title.c_str()));
    EXPECT_EQ(u16(bar.getTitle()), title.substr(0, 39));
    static const char16_t shortTitle[] = u"Favourites";
    bar.setTitle(w(shortTitle));
    EXPECT_EQ(u16(bar.getTitle()), std::u16string(shortTitle));
    bar.setTitle(nullptr);
    EXPECT_EQ(u16(bar.getTitle()), std::u16string());
}

TEST_F(MainTopBarTest, TitleTakesTheCircuitSelectorsPlace)
{
    static const char16_t title[] = u"Energy cockpit";
    MainTopBar bar(FAKE_CLOCK);
    bar.setTitle(w(title));
    const std::vector<quillon::Color> selector = drawn(bar);
    bar.setCenterButtonVisible(false);
    EXPECT_FALSE(bar.getCenterButton().isVisible());
    EXPECT_TRUE(bar.getTitleField().isVisible());
    const std::vector<quillon::Color> titled = drawn(bar);
    const Rectangle changed = differenceBounds(selector, titled);
    EXPECT_GE(changed.x, 115);
    EXPECT_LE(changed.right(), 685);
    EXPECT_GT(frame.count(Palette::entry(11), Rectangle(115, 0, 570, 69)), 50);
    bar.setCenterButtonVisible(true);
    EXPECT_EQ(drawn(bar), selector);
}

TEST_F(MainTopBarTest, ReportsMenuAsZeroAndTheSelectorAsOne)
{
    quillon::Screen screen;
    application.switchScreen(&screen); // drops timer widgets: build the bar after it
    MainTopBar bar(FAKE_CLOCK);
    ButtonRecorder recorder;
    bar.setButtonCallback(recorder.callback);
    bar.setCircuits(0, true, true, false);
    screen.add(bar);
    frame.frames(1);
    frame.click(50, 30);
    frame.click(400, 30);
    EXPECT_EQ(recorder.indexes, (std::vector<int>{0, 1}));
    EXPECT_EQ(bar.getSelectedCircuit(), 1); // advanced before the callback
    bar.setCenterButtonTouchable(false);
    frame.click(400, 30);
    frame.click(745, 30); // the clock is no button
    EXPECT_EQ(recorder.indexes.size(), 2u);
}
