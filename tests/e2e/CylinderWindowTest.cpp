#include "e2e/ScreenWalk.hpp"

#include "gui/screens/cylinder/CylinderHistoryView.hpp"
#include "gui/screens/info/DHWView.hpp"
#include "gui/screens/menu/IntervalSelectionMenuView.hpp"
#include "guicontrols/ButtonItem.hpp"
#include "guicontrols/Palette.hpp"
#include "support/TextReading.hpp"

#include <quillon/Callback.hpp>
#include <quillon/TypedText.hpp>

#include <string>

namespace e2e
{
namespace
{
using quillon::test::text;

const int MENU_X = 50, MENU_Y = 30;
const quillon::TextId CYLINDER_HISTORY = 1367;
const quillon::TextId HISTORY_TITLE = 1112; // "Cylinder history of the last"
const quillon::TextId LAST_24_HOURS = 1131;
const uint8_t FIRST_SENSOR_COLOUR = 28; // sensor 1, #46A4E3
// The chart's plot area, left of the legend's colour boxes.
const quillon::Rectangle PLOT(0, 72, 640, 337);
// The top bar without its clock, and the rest above, on and below the chart's time axis.
const quillon::Rectangle TITLE(0, 0, 686, 72);
const quillon::Rectangle ABOVE_TIME_AXIS(0, 72, SCREEN_WIDTH, 294);
const quillon::Rectangle TIME_AXIS(0, 366, SCREEN_WIDTH, 39);
const quillon::Rectangle BELOW_TIME_AXIS(0, 405, SCREEN_WIDTH, 75);

// The list's action line with the label, found as a user reads the list.
class ActionFinder
{
public:
    explicit ActionFinder(quillon::TextId label)
        : wanted(text(quillon::TypedText(label).getText())), callback(this, &ActionFinder::read)
    {
    }
    quillon::GenericCallback<quillon::Drawable&>& each() { return callback; }
    const guicontrols::ButtonItem* found = nullptr;

private:
    void read(quillon::Drawable& item)
    {
        const auto* action = dynamic_cast<const guicontrols::ButtonItem*>(&item);
        if (found == nullptr && action != nullptr && text(action->getButton().getText()) == wanted) {
            found = action;
        }
    }

    std::u16string wanted;
    quillon::Callback<ActionFinder, quillon::Drawable&> callback;
};

int pixelsOf(const Picture& picture, uint16_t colour, const quillon::Rectangle& area)
{
    int count = 0;
    for (int y = area.y; y < area.y + area.height; y++) {
        for (int x = area.x; x < area.x + area.width; x++) {
            count += picture.at(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

class CylinderWindow : public ScreenWindow
{
protected:
    // Brings the list's action line into view with the down button, as a user would, and
    // clicks it; false without such a line.
    bool clickAction(DHWView& list, quillon::TextId label)
    {
        ActionFinder finder(label);
        const_cast<guicontrols::ItemsArea&>(list.getListControl().getItemsArea()).forEachChild(finder.each());
        if (finder.found == nullptr) {
            return false;
        }
        const quillon::Rectangle area = list.getListControl().getItemsArea().getAbsoluteRect();
        int x = 0, y = 0;
        for (int step = 0; step < 50; ++step) {
            const quillon::Rectangle shown = finder.found->getAbsoluteRect();
            if (shown.y >= area.y && shown.y + shown.height <= area.y + area.height) {
                break;
            }
            ScreenWalk::centreOf(list.getListControl().getDownButton(), x, y);
            both(x, y);
        }
        ScreenWalk::centreOf(*finder.found, x, y);
        both(x, y);
        return true;
    }
};
} // namespace

// From start-up: Menu, "Information", "DHW", "Cylinder history", "The last 24 hours". The
// screenshot is the headless drawing of the same state: the title in its two segments, the
// curves in the sensors' colours.
TEST_F(CylinderWindow, MenuInformationDhwCylinderHistoryOfTheLast24Hours)
{
    ASSERT_TRUE(startPastSplash());
    both(MENU_X, MENU_Y);
    ASSERT_TRUE(openMenuTile(walk.shell.pages().informationMenuPage));
    ASSERT_TRUE(openMenuTile(walk.shell.pages().dhwInfoPage));
    DHWView* list = walk.shell.screen<DHWView>();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(clickAction(*list, CYLINDER_HISTORY)) << "the hot-water list has no \"Cylinder history\"";
    IntervalSelectionMenuView* intervals = walk.shell.screen<IntervalSelectionMenuView>();
    ASSERT_NE(intervals, nullptr);
    ASSERT_GE(intervals->getTileCount(), 1u);
    int x = 0, y = 0;
    ScreenWalk::centreOf(intervals->getTile(0), x, y); // "The last 24 hours"
    both(x, y);
    CylinderHistoryView* history = walk.shell.screen<CylinderHistoryView>();
    ASSERT_NE(history, nullptr);

    Picture shown;
    ASSERT_TRUE(shot("img00.bmp", "cylinder-history-24h", shown));
    // The time axis is labelled from the clock's minute, which may turn between the two drawings.
    const Picture headless = walk.picture();
    const std::string differing = differences(shown, headless, TITLE) + differences(shown, headless, ABOVE_TIME_AXIS) +
                                  differences(shown, headless, BELOW_TIME_AXIS);
    EXPECT_EQ(differing, "") << "the cylinder history of the last 24 hours";
    EXPECT_GT(drawnPixels(shown, TIME_AXIS), 500) << "no time axis labels";

    const guicontrols::TopBar& bar = history->getTopBar();
    EXPECT_EQ(text(bar.getSegmentField(0).getText()), text(quillon::TypedText(HISTORY_TITLE).getText()));
    EXPECT_EQ(text(bar.getSegmentField(1).getText()), text(quillon::TypedText(LAST_24_HOURS).getText()));
    EXPECT_GT(drawnPixels(shown, bar.getSegmentField(0).getAbsoluteRect()), 100) << "no title";
    EXPECT_GT(pixelsOf(shown, guicontrols::Palette::entry(10), bar.getSegmentField(1).getAbsoluteRect()), 50)
        << "the interval is not in orange";

    // Every curve the seeds fill, in its sensor's colour; sensor 5 only when the device has it.
    for (uint8_t sensor = 0; sensor < CylinderHistoryView::SENSORS; ++sensor) {
        SCOPED_TRACE(sensor + 1);
        const uint16_t colour = guicontrols::Palette::entry(static_cast<uint8_t>(FIRST_SENSOR_COLOUR + sensor));
        if (history->getCurve().getNumberOfPoints(sensor) == 24u) {
            EXPECT_GT(pixelsOf(shown, colour, PLOT), 100);
        } else {
            EXPECT_EQ(history->getCurve().getNumberOfPoints(sensor), 0u);
            EXPECT_EQ(pixelsOf(shown, colour, PLOT), 0);
        }
    }
    EXPECT_EQ(history->getCurve().getNumberOfPoints(0), 24u) << "the seeds hold no 24-hour history";
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace e2e
