// The gallery of the screen chrome, the indicators and the scroll area: built on a screen,
// driven through the touch panel and frame ticks, checked, and written to
// widget-gallery/{bars,indicators,scroll}.png for review.

#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/Gallery.hpp"
#include "guicontrols/MainTopBar.hpp"
#include "guicontrols/PageIndicator.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/ProgressBar.hpp"
#include "guicontrols/RotatingIcon.hpp"
#include "guicontrols/ScrollArea.hpp"
#include "guicontrols/TextField.hpp"
#include "guicontrols/TopBar.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <assets/GeneratedFonts.hpp>
#include <quillon/widgets/Box.hpp>

#include <deque>
#include <string>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
const quillon::Color BACKGROUND = 0x2945;

bool fixedClockRead(helpers::DateTime& value)
{
    value = helpers::DateTime(2016, 12, 31, 9, 5, 0);
    return true;
}
bool clockUnchanged()
{
    return false;
}
const MainTopBar::Clock FIXED_CLOCK = {fixedClockRead, clockUnchanged};

class BarsGalleryTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        background.setPosition(0, 0, 800, 480);
        background.setColor(BACKGROUND);
        screen.add(background);
        application.switchScreen(&screen);
    }

    std::vector<quillon::Color> show()
    {
        application.invalidate();
        frame.frames(1);
        return snapshot(frame);
    }

    static std::vector<quillon::Color> stacked(const std::vector<quillon::Color>& top,
                                               const std::vector<quillon::Color>& bottom)
    {
        std::vector<quillon::Color> both = top;
        both.insert(both.end(), bottom.begin(), bottom.end());
        return both;
    }

    quillon::Screen screen;
    quillon::Box background;
};

class IndexRecorder
{
public:
    IndexRecorder() : callback(this, &IndexRecorder::onButton) {}
    void onButton(int index) { indexes.push_back(index); }

    quillon::Callback<IndexRecorder, int> callback;
    std::vector<int> indexes;
};

// A list line: a grey band with a text, as wide as the scroll area makes it.
class Line : public quillon::Container
{
public:
    Line(const quillon::WideChar* text, int16_t height)
    {
        Container::setPosition(0, 0, 100, height);
        band.setPosition(0, 2, 100, static_cast<int16_t>(height - 4));
        band.setColor(Palette::entry(4));
        label.setPosition(20, 0, 60, height);
        label.setText(text, &assets::font2());
        label.setVerticalAlignment(1);
        add(band);
        add(label);
    }
    void setWidth(int16_t width) override
    {
        Container::setWidth(width);
        band.setWidth(width);
        label.setWidth(static_cast<int16_t>(width - 40));
    }

private:
    quillon::Box band;
    TextField label;
};
} // namespace

// Top: a screen's chrome with a title and six icon buttons, button 1 held down. Bottom: the
// home screen's bar, title segments, a cut title and labelled buttons.
TEST_F(BarsGalleryTest, Bars)
{
    static const char16_t title[] = u"Heating circuit 1: time program";
    TopBar top(0, 0, 800, 72);
    top.setTitle(w(u"%ls"), w(title));
    Content content(0, 72, 800, 337);
    BottomBar bottom(0, 409, 800, 71);
    const quillon::BitmapId icons[] = {208, 204, 207, 214, 209, 211};
    for (uint8_t i = 0; i < 6; ++i) {
        bottom.setButtonIcon(i, icons[i]);
    }
    IndexRecorder recorder;
    bottom.setButtonCallback(recorder.callback);
    screen.add(top);
    screen.add(content);
    screen.add(bottom);
    const std::vector<quillon::Color> idle = show();
    EXPECT_EQ(frame.count(Palette::entry(9), Rectangle(0, 69, 800, 3)), 2400);
    EXPECT_EQ(frame.count(0x0000, Rectangle(0, 72, 800, 337)), 800 * 337);
    EXPECT_GT(frame.count(Palette::entry(0), Rectangle(20, 0, 760, 69)), 100); // the title

    frame.click(735, 445);
    EXPECT_EQ(recorder.indexes, std::vector<int>{5});
    frame.touch().press(200, 445);
    frame.frames(2);
    const std::vector<quillon::Color> held = snapshot(frame);
    const Rectangle pressed = differenceBounds(idle, held);
    EXPECT_GT(pressed.width, 0);
    EXPECT_EQ(pressed & Rectangle(134, 411, 134, 69), pressed); // only button 1
    frame.touch().release();
    frame.frames(2);
    EXPECT_EQ(recorder.indexes, (std::vector<int>{5, 1}));

    // The home screen's chrome.
    static const char16_t hc[] = u"Heating circuit 1";
    static const char16_t mode[] = u"Comfort";
    static const char16_t value[] = u"21.5 \u00B0C";
    const std::u16string longTitle = u"Information about the boiler, the heating circuits, hot water and solar: "
                                     u"everything at a glance";
    top.setVisible(false);
    MainTopBar home(FIXED_CLOCK);
    home.setCircuits(1, true, true, true);
    TopBar segments(0, 120, 800, 72);
    segments.setTitleSegments(w(hc), Palette::entry(11), w(mode), Palette::entry(7), nullptr, 0, w(value),
                              Palette::entry(10));
    TopBar cut(0, 240, 800, 72);
    cut.setTitle(w(u"%ls"), w(longTitle.c_str()));
    content.add(segments);
    content.add(cut);
    bottom.setButtonText(5, 1168, &Palette::entry(11));
    bottom.setButtonText(4, 1483, &Palette::entry(7));
    bottom.clearButton(3);
    screen.add(home);
    const std::vector<quillon::Color> chrome = show();
    EXPECT_GT(frame.count(Palette::entry(11), Rectangle(689, 0, 111, 69)), 40); // the clock
    EXPECT_GT(frame.count(Palette::entry(10), Rectangle(600, 192, 180, 72)), 20);
    const std::u16string cutTitle = u16(cut.getTitleField().getText());
    EXPECT_EQ(cutTitle.substr(cutTitle.size() - 3), u"...");
    EXPECT_TRUE(writeGalleryPng("bars", 800, 960, stacked(held, chrome)));
}

TEST_F(BarsGalleryTest, Indicators)
{
    PageIndicator three;
    three.setAnchor(400, 40);
    three.setNumberOfPages(3);
    three.setCurrentPage(1);
    PageIndicator twenty;
    twenty.setAnchor(400, 80);
    twenty.setNumberOfPages(25);
    twenty.setCurrentPage(19);
    RotatingIcon icons[4];
    for (int i = 0; i < 4; ++i) {
        icons[i].setXY(static_cast<int16_t>(240 + 84 * i), 120);
        screen.add(icons[i]);
    }
    ProgressBar bars[3];
    const uint8_t percents[] = {0, 50, 100};
    for (int i = 0; i < 3; ++i) {
        bars[i].setXY(176, static_cast<int16_t>(240 + 70 * i));
        bars[i].setProgress(percents[i]);
        screen.add(bars[i]);
    }
    screen.add(three);
    screen.add(twenty);
    show();
    // Each icon's frames start one stage further on: side by side they show the four stages.
    for (uint16_t i = 0; i < 4; ++i) {
        icons[i].setFrames(static_cast<quillon::BitmapId>(200 + i), static_cast<quillon::BitmapId>(200 + (i + 1) % 4),
                           static_cast<quillon::BitmapId>(200 + (i + 2) % 4),
                           static_cast<quillon::BitmapId>(200 + (i + 3) % 4));
        icons[i].setRotating(true);
    }
    const std::vector<quillon::Color> before = snapshot(frame);
    frame.frames(9);
    EXPECT_EQ(snapshot(frame), before); // nothing changes before a frame is due
    frame.frames(1);
    EXPECT_NE(snapshot(frame), before);
    frame.frames(20);
    std::vector<quillon::BitmapId> shown;
    for (const RotatingIcon& icon : icons) {
        shown.push_back(icon.getBitmap().getId());
    }
    EXPECT_EQ(shown, (std::vector<quillon::BitmapId>{202, 203, 200, 201}));
    const std::vector<quillon::Color> pixels = show();

    EXPECT_EQ(frame.count(Palette::entry(14), Rectangle(373, 40, 55, 15)), 225);
    EXPECT_EQ(frame.count(Palette::entry(15), Rectangle(373, 40, 55, 15)), 450);
    EXPECT_EQ(frame.count(Palette::entry(14), Rectangle(203, 80, 395, 15)), 225);
    EXPECT_EQ(frame.count(Palette::entry(14), Rectangle(583, 80, 15, 15)), 225); // the 20th dot
    EXPECT_EQ(frame.count(BACKGROUND, Rectangle(218, 80, 5, 15)), 75);          // a gap
    for (int i = 0; i < 3; ++i) {
        const int16_t y = static_cast<int16_t>(240 + 70 * i);
        const int revealed = bars[i].getRevealedWidth();
        EXPECT_EQ(frame.count(BACKGROUND, Rectangle(180, static_cast<int16_t>(y + 4), 439, 31)),
                  (439 - revealed) * 31);
        EXPECT_EQ(frame.count(Palette::entry(2), Rectangle(176, y, 447, 2)), 894);
        EXPECT_EQ(frame.count(BACKGROUND, Rectangle(178, static_cast<int16_t>(y + 2), 443, 2)), 886); // the ring
    }
    for (RotatingIcon& icon : icons) {
        icon.setRotating(false);
    }
    EXPECT_TRUE(writeGalleryPng("indicators", 800, 480, pixels));
}

// Top: a list of 12 lines as a list screen shows it. Bottom: after holding the down button
// for 13 frames (three repeats) and lifting the finger (one more step).
TEST_F(BarsGalleryTest, Scroll)
{
    Content content(0, 72, 800, 337);
    ScrollArea area;
    area.setPadding(30, 10, 10, 10);
    area.setPosition(0, 0, 800, 337);
    std::deque<std::u16string> texts;
    std::deque<Line> lines;
    for (int i = 0; i < 12; ++i) {
        texts.push_back(u"Line " + std::u16string(1, static_cast<char16_t>(u'A' + i)) + u": flow temperature");
        lines.emplace_back(w(texts.back().c_str()), 66);
        lines.back().setWidth(area.getContentWidth());
        area.addItem(lines.back());
    }
    content.add(area);
    screen.add(content);
    const std::vector<quillon::Color> top = show();
    EXPECT_TRUE(area.getDownButton().isVisible());
    EXPECT_EQ(lines[0].getWidth(), 669);
    EXPECT_GT(frame.count(Palette::entry(4), Rectangle(30, 89, 669, 62)), 669 * 62 / 2); // the first line
    EXPECT_GT(frame.count(Palette::entry(0), Rectangle(50, 89, 629, 62)), 50);          // and its text

    frame.touch().press(744, 72 + 337 - 10 - 35);
    frame.frames(14);
    EXPECT_EQ(area.getScrollOffset(), 120); // three repeats while held
    frame.touch().release();
    frame.frames(2);
    EXPECT_EQ(area.getScrollOffset(), 160);
    EXPECT_EQ(lines[0].getY(), -160);
    const std::vector<quillon::Color> scrolled = snapshot(frame);
    // Nothing of the list is drawn outside its items area.
    EXPECT_EQ(frame.count(0x0000, Rectangle(30, 72, 669, 15)), 669 * 15);
    EXPECT_EQ(frame.count(0x0000, Rectangle(30, 394, 669, 15)), 669 * 15);
    EXPECT_EQ(area.getScrollBar().getIndicatorPosition(), 4 * area.getBarStep());
    // The same picture when the whole screen is drawn again.
    EXPECT_EQ(show(), scrolled);
    EXPECT_TRUE(writeGalleryPng("scroll", 800, 960, stacked(top, scrolled)));
}
