#include "gui/common/GuiTimer.hpp"
#include "gui/common/GuiTimerList.hpp"

#include <gtest/gtest.h>

#include <vector>

using gui::GuiTimer;
using gui::GuiTimerList;

namespace
{

const uint32_t FRAME_MS = 16;

struct RecordingListener : GuiTimer::ITimerEventListener
{
    bool onTimer(GuiTimer&, uint32_t elapsedMs) override
    {
        firedAt.push_back(frame);
        elapsed.push_back(elapsedMs);
        return keepRunning;
    }
    uint32_t frame = 0;
    bool keepRunning = true;
    std::vector<uint32_t> firedAt;
    std::vector<uint32_t> elapsed;
};

void runFrames(GuiTimerList& list, RecordingListener& listener, uint32_t frames)
{
    for (uint32_t i = 0; i < frames; ++i) {
        ++listener.frame;
        list.tick(FRAME_MS);
    }
}

} // namespace

TEST(GuiTimer, TwoSecondsFireAfter126FramesKeepingTheRemainder)
{
    GuiTimerList list;
    RecordingListener listener;
    GuiTimer timer;
    timer.start(2000, &listener);
    runFrames(list, listener, 126 + 125);
    // 126 x 16 = 2016 > 2000 keeps 16; then 125 more frames reach 2016 again.
    ASSERT_EQ(listener.firedAt, (std::vector<uint32_t>{126, 251}));
    EXPECT_EQ(listener.elapsed, (std::vector<uint32_t>{2016, 2016}));
    EXPECT_EQ(timer.getElapsed(), 16u);
}

TEST(GuiTimer, ExactlyThePeriodDoesNotFireYet)
{
    GuiTimerList list;
    RecordingListener listener;
    GuiTimer timer;
    timer.start(32, &listener);
    runFrames(list, listener, 2);
    EXPECT_TRUE(listener.firedAt.empty());
    runFrames(list, listener, 1);
    EXPECT_EQ(listener.firedAt, (std::vector<uint32_t>{3}));
}

TEST(GuiTimer, FalseFromTheListenerStopsUntilStartedAgain)
{
    GuiTimerList list;
    RecordingListener listener;
    listener.keepRunning = false;
    GuiTimer timer;
    timer.start(10, &listener);
    runFrames(list, listener, 5);
    EXPECT_EQ(listener.firedAt, (std::vector<uint32_t>{1}));
    EXPECT_FALSE(list.contains(&timer));

    timer.start(10, &listener);
    runFrames(list, listener, 1);
    EXPECT_EQ(listener.firedAt.size(), 2u);
}

TEST(GuiTimer, PeriodZeroFiresEveryFrameWithoutDividingByZero)
{
    GuiTimerList list;
    RecordingListener listener;
    GuiTimer timer;
    timer.start(0, &listener);
    runFrames(list, listener, 3);
    EXPECT_EQ(listener.firedAt, (std::vector<uint32_t>{1, 2, 3}));
    EXPECT_EQ(timer.getElapsed(), 0u);
}

TEST(GuiTimer, ListenerMayRestartWithAnotherPeriod)
{
    struct Restarting : GuiTimer::ITimerEventListener
    {
        bool onTimer(GuiTimer& timer, uint32_t) override
        {
            ++calls;
            timer.setPeriod(100);
            return true;
        }
        int calls = 0;
    } listener;
    GuiTimerList list;
    GuiTimer timer;
    timer.start(40, &listener);
    for (int i = 0; i < 3; ++i) {
        list.tick(FRAME_MS);
    }
    EXPECT_EQ(listener.calls, 1);
    EXPECT_EQ(timer.getElapsed(), 48u); // remainder by the new period
}

TEST(GuiTimerList, KeepsOrderOfFirstStartAndSkipsNoTimerWhenOneStops)
{
    GuiTimerList list;
    RecordingListener stopping;
    stopping.keepRunning = false;
    RecordingListener running;
    GuiTimer first;
    GuiTimer second;
    first.start(0, &stopping);
    second.start(0, &running);
    first.start(0, &stopping); // already running: keeps its place
    EXPECT_EQ(list.size(), 2u);

    list.tick(FRAME_MS);
    EXPECT_EQ(stopping.firedAt.size(), 1u);
    EXPECT_EQ(running.firedAt.size(), 1u); // moved into the stopped timer's place, still ticked
    EXPECT_EQ(list.size(), 1u);
}

TEST(GuiTimerList, ClearAndDestructionLeaveNoDanglingEntry)
{
    GuiTimerList list;
    RecordingListener listener;
    {
        GuiTimer shortLived;
        shortLived.start(10, &listener);
        EXPECT_EQ(list.size(), 1u);
    }
    EXPECT_EQ(list.size(), 0u);

    GuiTimer timer;
    timer.start(10, &listener);
    list.clearTimers();
    list.tick(FRAME_MS);
    EXPECT_TRUE(listener.firedAt.empty());
}

TEST(GuiTimerListDeathTest, NinthTimerAsserts)
{
    EXPECT_DEATH(
        {
            GuiTimerList list;
            RecordingListener listener;
            GuiTimer timers[GuiTimerList::MAX_TIMERS + 1];
            for (GuiTimer& timer : timers) {
                timer.start(100, &listener);
            }
        },
        "Vector capacity exceeded");
}
