// The editors' gallery: each editor built on a screen, driven through the touch panel and
// frame ticks, checked, and written to widget-gallery/<family>.png for review.

#include "guicontrols/BacklightEdit.hpp"
#include "guicontrols/DateEdit.hpp"
#include "guicontrols/Gallery.hpp"
#include "guicontrols/HolidayProgramOverview.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/SpinBox.hpp"
#include "guicontrols/TemperatureEdit.hpp"
#include "guicontrols/TileSelector.hpp"
#include "guicontrols/TimeEdit.hpp"
#include "guicontrols/TimeProgramEdit.hpp"
#include "guicontrols/TimeProgramListGraph.hpp"
#include "guicontrols/editors/EditorFixture.hpp"

#include <quillon/widgets/Box.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
const quillon::Color BACKGROUND = 0x2945;

class EditorsGalleryTest : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        for (quillon::Box* b : {&background, &secondBackground}) {
            b->setPosition(0, 0, 800, 480);
            b->setColor(BACKGROUND);
        }
        screen.add(background);
        secondScreen.add(secondBackground);
    }

    std::vector<quillon::Color> show(quillon::Screen& shown)
    {
        application.switchScreen(&shown);
        frame.frames(1);
        return snapshot(frame);
    }

    // The centre of a drawable on the display.
    void clickOn(const quillon::Drawable& target)
    {
        const Rectangle r = target.getAbsoluteRect();
        frame.click(static_cast<int16_t>(r.x + r.width / 2), static_cast<int16_t>(r.y + r.height / 2));
    }

    // Pressed for the given frames, then released: a click plus the repeats of the hold.
    void hold(const quillon::Drawable& target, uint32_t frames)
    {
        const Rectangle r = target.getAbsoluteRect();
        frame.touch().press(r.x + r.width / 2, r.y + r.height / 2);
        frame.frames(frames);
        frame.touch().release();
        frame.frames(2);
    }

    static int changed(const std::vector<quillon::Color>& a, const std::vector<quillon::Color>& b, Rectangle area)
    {
        area &= Rectangle(0, 0, 800, 480);
        int count = 0;
        for (int y = area.y; y < area.bottom(); ++y) {
            for (int x = area.x; x < area.right(); ++x) {
                count += a[static_cast<size_t>(y) * 800 + x] != b[static_cast<size_t>(y) * 800 + x] ? 1 : 0;
            }
        }
        return count;
    }

    static std::vector<quillon::Color> stacked(const std::vector<quillon::Color>& top,
                                               const std::vector<quillon::Color>& bottom)
    {
        std::vector<quillon::Color> both = top;
        both.insert(both.end(), bottom.begin(), bottom.end());
        return both;
    }

    quillon::Screen screen;
    quillon::Screen secondScreen;
    quillon::Box background;
    quillon::Box secondBackground;
};

class LevelWatch : public BacklightEdit
{
public:
    int last = -1;

protected:
    void applyBacklight(uint8_t level) override { last = level; }
};
} // namespace

// Top: date, time, a float and an integer spin box and the temperature editor. Bottom: the
// backlight editor and a tile selector.
TEST_F(EditorsGalleryTest, Editors)
{
    DateEdit date;
    date.setXY(10, 10);
    date.setDate(helpers::DateTime(2016, 1, 31, 0, 0, 0));
    TimeEdit time;
    time.setXY(390, 10);
    time.setTime(helpers::Time(10, 59, 0));
    SpinBox flow;
    flow.setStyle(2); // "25.5" is wider than the narrow looks
    flow.setValueType(SpinBox::FLOAT_VALUE);
    flow.setFloatMinimum(0.0f);
    flow.setFloatMaximum(25.5f);
    flow.setWrapAround(true);
    flow.setFloatValue(25.4f);
    flow.setXY(575, 10);
    SpinBox count;
    count.setStyle(1);
    count.setArrowStyle(1);
    count.setMinimum(1);
    count.setMaximum(10);
    count.setValue(9);
    count.setXY(710, 10);
    TemperatureEdit temperature;
    temperature.setXY(0, 270);
    temperature.setMinimum(3);
    temperature.setMaximum(37);
    temperature.setValue(21);
    for (quillon::Drawable* d : std::initializer_list<quillon::Drawable*>{&date, &time, &flow, &count, &temperature}) {
        screen.add(*d);
    }
    const std::vector<quillon::Color> before = show(screen);

    clickOn(date.getMonthSpinBox().getUpButton()); // 31.01. -> 29.02.
    EXPECT_EQ(u16(date.getDaySpinBox().getText()), u"29");
    EXPECT_EQ(u16(date.getMonthSpinBox().getText()), u"02");
    hold(date.getDaySpinBox().getDownButton(), 14); // a click and three repeats
    EXPECT_EQ(u16(date.getDaySpinBox().getText()), u"25");
    clickOn(time.getMinuteSpinBox().getUpButton());
    EXPECT_EQ(time.getTime(), helpers::Time(11, 0, 0));
    clickOn(flow.getUpButton());
    EXPECT_EQ(u16(flow.getText()), u"25.5");
    clickOn(count.getUpButton());
    clickOn(count.getUpButton()); // stops at 10
    EXPECT_EQ(u16(count.getText()), u"10");
    clickOn(temperature.getPlusButton());
    EXPECT_EQ(u16(temperature.getText()), u"22\u00B0");
    const std::vector<quillon::Color> after = snapshot(frame);
    EXPECT_GT(changed(before, after, date.getDaySpinBox().getValueText().getAbsoluteRect()), 50);
    EXPECT_GT(changed(before, after, time.getHourSpinBox().getValueText().getAbsoluteRect()), 20);
    EXPECT_GT(changed(before, after, temperature.getValueText().getAbsoluteRect()), 50);
    EXPECT_EQ(changed(before, after, date.getYearSpinBox().getValueText().getAbsoluteRect()), 0);
    frame.frames(1); // a released button leaves the timer list at the next tick
    EXPECT_EQ(application.timerWidgetCount(), 0);
    // The shown frame is what a full redraw gives: nothing was left out of the updates.
    application.invalidate();
    frame.frames(1);
    EXPECT_EQ(snapshot(frame), after);

    LevelWatch backlight;
    backlight.setValue(90);
    TileSelector tiles(3);
    tiles.setTile(0, quillon::TypedText(803), quillon::Bitmap(109));
    tiles.setTile(1, quillon::TypedText(1075), quillon::Bitmap(122));
    tiles.setTile(2, quillon::TypedText(834), quillon::Bitmap(quillon::BITMAP_NONE));
    quillon::Container tileArea;
    tileArea.setPosition(0, 240, 800, 240);
    tiles.layoutIn(tileArea);
    secondScreen.add(backlight);
    secondScreen.add(tileArea);
    show(secondScreen);
    clickOn(backlight.getSpinBox().getUpButton());
    EXPECT_EQ(backlight.last, 100);
    EXPECT_EQ(u16(backlight.getSpinBox().getText()), u"100");
    clickOn(tiles.getTile(2));
    EXPECT_EQ(tiles.getSelectedTile(), 2);
    const std::vector<quillon::Color> second = snapshot(frame);
    EXPECT_TRUE(writeGalleryPng("editors", 800, 960, stacked(after, second)));
}

// Top: a day loaded, two periods added (the second wraps to 00:10), the selection moved
// back and its end held up; bottom: after two removals, with overview rows below.
TEST_F(EditorsGalleryTest, TimeProgram)
{
    TimeProgramEdit edit;
    const uint8_t day[] = {48, 176, 255, 255, 255, 255, 255, 255};
    edit.setSwitchTimes(day);
    screen.add(edit);
    show(screen);
    const Rectangle firstBar(136 + 136, 53 + 4, 353, 47);
    EXPECT_GT(frame.count(Palette::entry(10), firstBar), 353 * 47 - 400); // orange, numbered
    clickOn(edit.getAddButton());
    EXPECT_EQ(edit.getGraph().getPhaseCount(), 2);
    const Rectangle secondBar = edit.getGraph().getBar(1);
    const Rectangle secondOnScreen(static_cast<int16_t>(secondBar.x + 136), 57, secondBar.width, secondBar.height);
    EXPECT_GT(frame.count(Palette::entry(10), secondOnScreen), secondBar.width * 47 - 400);
    EXPECT_GT(frame.count(Palette::entry(24), firstBar), 353 * 47 - 400); // no longer selected
    clickOn(edit.getAddButton());
    clickOn(edit.getPreviousButton()); // back to the second period, 22:10-23:10
    hold(edit.getEndEditor().getMinuteSpinBox().getUpButton(), 10); // a click and one repeat
    EXPECT_EQ(edit.getEndEditor().getTime(), helpers::Time(23, 30, 0));
    EXPECT_EQ(edit.getSwitchTimes()[3], 187);
    const std::vector<quillon::Color> top = snapshot(frame);
    application.invalidate();
    frame.frames(1);
    EXPECT_EQ(snapshot(frame), top);

    clickOn(edit.getRemoveButton()); // the selected 22:10-23:30; 06:00-22:00 selected next
    clickOn(edit.getRemoveButton());
    EXPECT_EQ(edit.getGraph().getPhaseCount(), 1);
    EXPECT_EQ(edit.getStartEditor().getTime(), helpers::Time(0, 10, 0)); // the one added after 23:10
    TimeProgramListGraph rows[2];
    const uint16_t dayTexts[] = {1218, 1218};
    for (int i = 0; i < 2; ++i) {
        rows[i].setXY(20, static_cast<int16_t>(345 + 65 * i));
        rows[i].setDayText(quillon::TypedText(dayTexts[i]));
        TimeProgramGraph::TimePhase phase;
        phase.start = helpers::Time(static_cast<uint8_t>(6 + 2 * i), 0, 0);
        phase.end = helpers::Time(static_cast<uint8_t>(12 + 4 * i), 30, 0);
        rows[i].addPhase(phase);
        screen.add(rows[i]);
    }
    application.invalidate();
    frame.frames(1);
    const std::vector<quillon::Color> bottom = snapshot(frame);
    EXPECT_EQ(frame.count(Palette::entry(10), rows[0].getGraph().getAbsoluteRect()),
              rows[0].getGraph().getBar(0).width * 47);
    EXPECT_TRUE(writeGalleryPng("timeprogram", 800, 960, stacked(top, bottom)));
}

TEST_F(EditorsGalleryTest, Holiday)
{
    HolidayProgramOverview overview;
    overview.setXY(5, 100);
    overview.setDates(helpers::DateTime(2016, 3, 10, 0, 0, 0), helpers::DateTime(2016, 3, 1, 0, 0, 0),
                      helpers::DateTime(2016, 3, 12, 0, 0, 0));
    screen.add(overview);
    const std::vector<quillon::Color> before = show(screen);
    for (int i = 0; i < 3; ++i) {
        clickOn(overview.getDepartureEditor().getUpButton());
    }
    EXPECT_EQ(u16(overview.getDepartureEditor().getDateText()), u"13.03.2016");
    EXPECT_EQ(u16(overview.getReturnEditor().getDateText()), u"13.03.2016");
    hold(overview.getReturnEditor().getUpButton(), 12); // a click and two repeats
    EXPECT_EQ(u16(overview.getReturnEditor().getDateText()), u"16.03.2016");
    const std::vector<quillon::Color> after = snapshot(frame);
    const Rectangle returnDate(405 + 30, 250, 260, 80);
    EXPECT_GT(changed(before, after, returnDate), 50);
    EXPECT_GT(frame.count(0xFFFF, returnDate), 50); // white digits
    application.invalidate();
    frame.frames(1);
    EXPECT_EQ(snapshot(frame), after);
    EXPECT_TRUE(writeGalleryPng("holiday", 800, 480, after));
}
