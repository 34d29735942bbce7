#include "e2e/ScreenWalk.hpp"

#include "gui/screens/menu/HCSelectionView.hpp"
#include "gui/screens/timeprogram/TimeProgramEditView.hpp"
#include "gui/screens/timeprogram/TimeProgramOverviewView.hpp"
#include "support/TextReading.hpp"

#include <string>

namespace e2e
{
namespace
{
using quillon::test::text;

const int MENU_X = 50, MENU_Y = 30;
const uint8_t WEDNESDAY = 2;

std::string phases(const guicontrols::TimeProgramGraph& graph)
{
    std::string shown;
    for (uint16_t i = 0; i < graph.getPhaseCount(); ++i) {
        shown += std::to_string(graph.getPhase(i).start.getSecondsOfDay() / 60) + "-" +
                 std::to_string(graph.getPhase(i).end.getSecondsOfDay() / 60) + " ";
    }
    return shown;
}
} // namespace

// From start-up: Menu, "Heating", the first circuit, its time program; Wednesday picked and
// "Edit" opens the day editor. Both screenshots are the headless drawing of the same state:
// the seeded records' phases, the weekday in the editor's title.
TEST_F(ScreenWindow, HeatingWeekOverviewThenTheDayEditor)
{
    ASSERT_TRUE(startPastSplash());
    both(MENU_X, MENU_Y);
    int x = 0, y = 0;
    ASSERT_TRUE(openMenuTile(walk.shell.pages().heatingSelectionPage));
    HCSelectionView* circuits = walk.shell.screen<HCSelectionView>();
    ASSERT_NE(circuits, nullptr);
    ScreenWalk::centreOf(circuits->getTile(0), x, y);
    both(x, y);
    ASSERT_TRUE(openMenuTile(walk.shell.pages().heatingTimeProgramOverviewPage));

    TimeProgramOverviewView* overview = walk.shell.screen<TimeProgramOverviewView>();
    ASSERT_NE(overview, nullptr);
    const std::string wednesday = phases(overview->getRow(WEDNESDAY).getGraph());
    EXPECT_NE(wednesday, "") << "no seeded phase on Wednesday";
    ScreenWalk::centreOf(overview->getRow(WEDNESDAY), x, y);
    both(x, y);
    ASSERT_EQ(overview->getSelectedDay(), WEDNESDAY);
    Picture shown;
    ASSERT_TRUE(shot("img00.bmp", "heating-week", shown));
    EXPECT_EQ(differencesFromHeadless(shown), "") << "the week overview, Wednesday picked";
    EXPECT_GT(drawnPixels(shown, overview->getRow(WEDNESDAY).getGraph().getAbsoluteRect()), 100);

    ScreenWalk::centreOf(overview->getBottomBar().getButton(TimeProgramOverviewView::EDIT_BUTTON), x, y);
    both(x, y);

    TimeProgramEditView* editor = walk.shell.screen<TimeProgramEditView>();
    ASSERT_NE(editor, nullptr);
    const std::u16string title = text(editor->getTitle());
    EXPECT_NE(title.find(u"Mittwoch"), std::u16string::npos) << std::string(title.begin(), title.end());
    EXPECT_EQ(phases(editor->getEditor().getGraph()), wednesday);
    ASSERT_TRUE(shot("img01.bmp", "heating-day-editor", shown));
    EXPECT_EQ(differencesFromHeadless(shown), "") << "the day editor";
    EXPECT_GT(drawnPixels(shown, editor->getEditor().getGraph().getAbsoluteRect()), 100);
}
} // namespace e2e
