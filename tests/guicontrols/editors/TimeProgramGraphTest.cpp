#include "guicontrols/Palette.hpp"
#include "guicontrols/TimeProgramGraph.hpp"
#include "guicontrols/editors/EditorFixture.hpp"

using namespace guicontrols;
using namespace guicontrols::test;
using helpers::Time;
using quillon::Rectangle;

namespace
{
TimeProgramGraph::TimePhase phase(Time start, Time end)
{
    TimeProgramGraph::TimePhase p;
    p.start = start;
    p.end = end;
    return p;
}

std::vector<uint8_t> bytes(const uint8_t* switchTimes)
{
    return std::vector<uint8_t>(switchTimes, switchTimes + TimeProgramGraph::SWITCH_TIME_BYTES);
}

class TimeProgramGraphTest : public EditorTest
{
protected:
    TimeProgramGraph graph;
};
} // namespace

TEST_F(TimeProgramGraphTest, BarsScaleTheDayOntoTheInnerWidth)
{
    struct Case
    {
        Time start;
        Time end;
        Rectangle bar;
    };
    const Case cases[] = {
        {Time(6, 0, 0), Time(22, 0, 0), {136, 4, 353, 47}},
        {Time(0, 0, 0), Time(24, 0, 0), {4, 4, 531, 47}},
        {Time(12, 0, 0), Time(12, 10, 0), {269, 4, 3, 47}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start.getSecondsOfDay());
        EXPECT_EQ(graph.phaseToRect(phase(c.start, c.end)), c.bar);
    }
}

TEST_F(TimeProgramGraphTest, SwitchTimesLoadOnlyRealPeriods)
{
    struct Case
    {
        std::vector<uint8_t> in;
        uint16_t periods;
        std::vector<uint8_t> out;
    };
    const std::vector<uint8_t> none(8, 0xFF);
    const Case cases[] = {
        {{48, 176, 255, 255, 255, 255, 255, 255}, 1, {48, 176, 255, 255, 255, 255, 255, 255}},
        {{96, 96, 200, 210, 255, 255, 0, 192}, 1, {0, 192, 255, 255, 255, 255, 255, 255}},
        {{96, 96, 200, 210, 255, 255, 255, 255}, 0, none},
        {{8, 16, 24, 32, 40, 48, 56, 64}, 4, {8, 16, 24, 32, 40, 48, 56, 64}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.periods);
        graph.clear();
        EXPECT_EQ(graph.setSwitchTimes(c.in.data()), c.periods > 0);
        EXPECT_EQ(graph.getPhaseCount(), c.periods);
        EXPECT_EQ(bytes(graph.getSwitchTimes()), c.out);
    }
}

TEST_F(TimeProgramGraphTest, RefusesAFifthOrAnEmptyPeriod)
{
    EXPECT_EQ(graph.addPhase(phase(Time(8, 0, 0), Time(8, 0, 0))), 0);
    for (uint8_t h = 1; h <= 4; ++h) {
        EXPECT_EQ(graph.addPhase(phase(Time(h, 0, 0), Time(h, 30, 0))), h);
    }
    EXPECT_TRUE(graph.isFull());
    EXPECT_EQ(graph.addPhase(phase(Time(20, 0, 0), Time(21, 0, 0))), 4);
    graph.removePhase(1);
    EXPECT_EQ(graph.getPhase(1).start, Time(3, 0, 0));
    EXPECT_EQ(graph.getBar(1), graph.phaseToRect(graph.getPhase(1)));
    graph.setPhase(phase(Time(9, 0, 0), Time(10, 0, 0)), 5); // outside: nothing
    EXPECT_EQ(graph.getPhaseCount(), 3);
}

TEST_F(TimeProgramGraphTest, EditLookNumbersThePeriodsAndHighlightsTheSelectedOne)
{
    const uint8_t day[] = {48, 176, 184, 192, 255, 255, 255, 255};
    graph.setSwitchTimes(day);
    graph.setSelectedPhase(0);
    graph.setXY(100, 100);
    drawn(graph);
    const Rectangle first(236, 104, 353, 47);
    const Rectangle second = graph.getBar(1);
    const Rectangle secondOnScreen(static_cast<int16_t>(second.x + 100), 104, second.width, second.height);
    const quillon::Color orange = Palette::entry(10);
    const quillon::Color brown = Palette::entry(24);
    EXPECT_GT(frame.count(orange, first), 353 * 47 - 400);       // the digit "1" on it
    EXPECT_LT(frame.count(orange, first), 353 * 47);
    EXPECT_GT(frame.count(Palette::entry(6), first), 10);       // its number
    EXPECT_GT(frame.count(brown, secondOnScreen), second.width * 47 - 400);
    EXPECT_NE(frame.at(235, 120), orange); // just left of the bar

    // Plain: every period orange, none numbered.
    graph.setShowNumbers(false);
    graph.setSelectedPhase(-1);
    drawn(graph);
    EXPECT_EQ(frame.count(orange, first), 353 * 47);
    EXPECT_EQ(frame.count(orange, secondOnScreen), second.width * 47);
}

TEST_F(TimeProgramGraphTest, ATenMinutePeriodGetsNoNumber)
{
    graph.addPhase(phase(Time(12, 0, 0), Time(12, 10, 0)));
    graph.setSelectedPhase(0);
    drawn(graph);
    const Rectangle bar = graph.getBar(0);
    EXPECT_EQ(frame.count(Palette::entry(10), bar), bar.width * bar.height);
}

TEST_F(TimeProgramGraphTest, PartialRedrawsGiveTheFullPicture)
{
    const uint8_t day[] = {48, 176, 184, 192, 8, 24, 255, 255};
    graph.setSwitchTimes(day);
    graph.setSelectedPhase(1);
    const std::vector<quillon::Color> whole = drawn(graph);
    EXPECT_EQ(drawnInParts(graph, bands(graph.getWidth(), graph.getHeight(), 9)), whole);
}

TEST_F(TimeProgramGraphTest, InactiveBarIsFaded)
{
    const std::vector<quillon::Color> active = drawn(graph);
    graph.setActive(false);
    const std::vector<quillon::Color> faded = drawn(graph);
    EXPECT_NE(differenceBounds(active, faded), Rectangle());
    EXPECT_EQ(frame.count(SENTINEL, graph.getRect()), 0); // black below: opaque either way
}
