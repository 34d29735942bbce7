#include "guicontrols/Palette.hpp"
#include "guicontrols/TimeProgramListGraph.hpp"
#include "guicontrols/editors/EditorFixture.hpp"

#include <quillon/Screen.hpp>

using namespace guicontrols;
using namespace guicontrols::test;

namespace
{
class TimeProgramListGraphTest : public EditorTest
{
protected:
    TimeProgramListGraphTest() : told(this, &TimeProgramListGraphTest::onDay) {}
    void onDay(unsigned char day) { days.push_back(day); }

    quillon::Callback<TimeProgramListGraphTest, unsigned char> told;
    std::vector<int> days;
};
} // namespace

TEST_F(TimeProgramListGraphTest, APressTellsTheDayAndTheReleaseNothing)
{
    TimeProgramListGraph row;
    row.setDay(3);
    row.setDayCallback(&told);
    row.setXY(20, 100);
    EXPECT_EQ(row.getRect(), quillon::Rectangle(20, 100, 659, 55));
    quillon::Screen screen;
    screen.add(row);
    application.switchScreen(&screen);
    frame.frames(1);
    frame.touch().press(300, 120);
    frame.frames(3);
    EXPECT_EQ(days, std::vector<int>{3});
    frame.touch().release();
    frame.frames(2);
    EXPECT_EQ(days, std::vector<int>{3});
}

TEST_F(TimeProgramListGraphTest, PlainInactiveGraph)
{
    TimeProgramListGraph row;
    EXPECT_FALSE(row.getGraph().isActive());
    EXPECT_EQ(row.getGraph().getX(), 110);
    TimeProgramGraph::TimePhase phase;
    phase.start = helpers::Time(6, 0, 0);
    phase.end = helpers::Time(22, 0, 0);
    row.addPhase(phase);
    drawn(row);
    EXPECT_EQ(frame.count(Palette::entry(10), quillon::Rectangle(246, 4, 353, 47)), 353 * 47);
    row.clearPhases();
    EXPECT_TRUE(row.getGraph().isEmpty());
}
