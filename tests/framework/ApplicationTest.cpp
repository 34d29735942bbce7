#include "ScreenLog.hpp"
#include "hal/EventLog.hpp"

#include <gtest/gtest.h>
#include <quillon/Application.hpp>
#include <quillon/Transition.hpp>
#include <quillon/hal/NoDMA.hpp>
#include <support/NullLCD.hpp>
#include <support/ScriptedTouchController.hpp>
#include <support/TestApplication.hpp>
#include <support/TestHAL.hpp>

#include <memory>

using namespace quillon;
using namespace quillon::test;

namespace
{
std::vector<std::string> describe(const Vector<Rectangle, Application::MAX_CACHED_AREAS>& areas)
{
    std::vector<std::string> result;
    for (uint16_t i = 0; i < areas.size(); i++) {
        result.push_back(test::describe(areas[i]));
    }
    return result;
}

class ApplicationTest : public ::testing::Test
{
protected:
    explicit ApplicationTest(TestHAL::Buffering buffering = TestHAL::Buffering::Single)
        : hal(dma, lcd, &touch, buffering), screen(log)
    {
        hal.setListener(&app);
    }

    void enterScreen() { TestApplication::currentScreenPointer() = &screen; }

    NoDMA dma;
    NullLCD lcd;
    ScriptedTouchController touch;
    TestHAL hal;
    TestApplication app;
    Log log;
    LoggingScreen screen;
};

class DoubleBufferedApplication : public ApplicationTest
{
protected:
    DoubleBufferedApplication() : ApplicationTest(TestHAL::Buffering::Double) {}
};
} // namespace

TEST_F(ApplicationTest, InvalidatingClipsToTheDisplayAndWritesBack)
{
    Rectangle area(790, 470, 50, 50);
    app.invalidateScreenArea(area); // no screen yet: clipped and dropped
    EXPECT_EQ(area, Rectangle(790, 470, 10, 10));
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(hal.presentedAreas().empty());

    enterScreen();
    area = Rectangle(790, 470, 50, 50);
    app.invalidateScreenArea(area);
    EXPECT_EQ(area, Rectangle(790, 470, 10, 10));
    EXPECT_EQ(log, (Log{"screen draw 790,470,10,10"}));
    ASSERT_EQ(hal.presentedAreas().size(), 1u);
    EXPECT_EQ(hal.presentedAreas()[0], area);

    app.setDrawCaching(true);
    area = Rectangle(-20, -20, 50, 50);
    app.invalidateScreenArea(area);
    EXPECT_EQ(area, Rectangle(0, 0, 30, 30));
    EXPECT_EQ(describe(app.cachedAreas()), (std::vector<std::string>{"0,0,30,30"}));
    EXPECT_EQ(log.size(), 1u); // collected, not drawn
}

TEST_F(ApplicationTest, CachedAreasMergeWhenTheUnionWastesLittle)
{
    struct Case { std::vector<Rectangle> added; std::vector<std::string> cached; };
    const Case cases[] = {
        {{{0, 0, 10, 10}, {10, 0, 10, 10}}, {"0,0,20,10"}},                      // adjacent: 200 < 220
        {{{0, 0, 10, 10}, {100, 100, 10, 10}}, {"0,0,10,10", "100,100,10,10"}},  // 12100 against 220
        {{{0, 0, 10, 10}, {11, 0, 10, 10}}, {"0,0,21,10"}},                      // 210 < 220
        {{{0, 0, 10, 10}, {12, 0, 10, 10}}, {"0,0,10,10", "12,0,10,10"}},        // 220 is not less
        {{{0, 0, 100, 100}, {10, 10, 5, 5}}, {"0,0,100,100"}},                   // already covered
        {{{10, 10, 5, 5}, {50, 50, 5, 5}, {0, 0, 100, 100}}, {"0,0,100,100"}},   // swallows both
        {{{0, 0, 10, 10}, {5, 5, 10, 10}}, {"0,0,15,15"}},                       // overlap always merges
        {{{0, 0, 10, 10}, {20, 0, 10, 10}, {10, 0, 10, 10}}, {"0,0,30,10"}},     // a bridge joins a chain
        {{{0, 0, 10, 0}, {5, 5, 0, 3}}, {}},                                     // empty areas are dropped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        app.setDrawCaching(true);
        for (const Rectangle& r : c.added) {
            app.cacheArea(r);
        }
        EXPECT_EQ(describe(app.cachedAreas()), c.cached);
    }
}

TEST_F(ApplicationTest, NinthAreaAbsorbsTheOldest)
{
    app.setDrawCaching(true);
    std::vector<std::string> expected;
    for (int16_t i = 0; i < 8; i++) {
        app.cacheArea(Rectangle(static_cast<int16_t>(i * 100), 0, 10, 10));
        if (i > 0) {
            expected.push_back(describe(Rectangle(static_cast<int16_t>(i * 100), 0, 10, 10)));
        }
    }
    app.cacheArea(Rectangle(0, 400, 10, 10));
    expected.push_back("0,0,10,410"); // first one merged in, placed by the same rules
    EXPECT_EQ(describe(app.cachedAreas()), expected);

    // The enlarged area may take further cached ones: here it grows to cover the next one.
    app.cacheArea(Rectangle(50, 400, 60, 10));
    EXPECT_EQ(app.cachedAreas().size(), 8u);
    for (uint16_t i = 0; i < app.cachedAreas().size(); i++) {
        for (uint16_t j = 0; j < app.cachedAreas().size(); j++) {
            if (i != j) {
                EXPECT_FALSE(app.cachedAreas()[i].intersects(app.cachedAreas()[j]));
            }
        }
    }
}

TEST_F(ApplicationTest, EndOfCollectionDrawsEachMergedAreaOnce)
{
    enterScreen();
    app.setDrawCaching(true);
    Rectangle a(0, 0, 10, 10), b(10, 0, 10, 10), c(300, 300, 5, 5);
    app.invalidateScreenArea(a);
    app.invalidateScreenArea(b);
    app.invalidateScreenArea(c);
    EXPECT_TRUE(log.empty());
    app.setDrawCaching(false);
    EXPECT_EQ(log, (Log{"screen draw 0,0,20,10", "screen draw 300,300,5,5"}));
    EXPECT_EQ(hal.presentedAreas().size(), 2u);
    EXPECT_TRUE(app.lastFrameAreas().isEmpty()); // one buffer: nothing to repeat

    log.clear();
    app.setDrawCaching(true);
    app.setDrawCaching(false);
    EXPECT_TRUE(log.empty());
}

// With two buffers, each buffer also needs what the other one got in the previous frame.
TEST_F(DoubleBufferedApplication, EachFrameRepeatsThePreviousFramesAreas)
{
    enterScreen();
    Rectangle first(0, 0, 10, 10), second(400, 400, 10, 10);
    app.setDrawCaching(true);
    app.invalidateScreenArea(first);
    app.setDrawCaching(false);
    EXPECT_EQ(log, (Log{"screen draw 0,0,10,10"}));

    log.clear();
    app.setDrawCaching(true);
    app.invalidateScreenArea(second);
    app.setDrawCaching(false);
    EXPECT_EQ(log, (Log{"screen draw 400,400,10,10", "screen draw 0,0,10,10"}));
    EXPECT_EQ(describe(app.lastFrameAreas()), (std::vector<std::string>{"400,400,10,10"}));

    log.clear();
    app.setDrawCaching(true);
    app.setDrawCaching(false); // nothing new: nothing drawn, even though the last frame drew
    EXPECT_TRUE(log.empty());
}

TEST_F(ApplicationTest, FrameTickRunsInOrder)
{
    class RecordingApplication : public TestApplication
    {
    public:
        explicit RecordingApplication(Log& log) : log(log) {}
        void setDrawCaching(bool on) override
        {
            log.push_back(on ? "caching on" : "caching off");
            Application::setDrawCaching(on);
        }
        void onTick() override { log.push_back("tick"); }
        void onClick(const ClickEvent& e) override { log.push_back("click " + std::to_string(e.getType())); }
        void onKey(uint8_t key) override { log.push_back("key " + std::to_string(key)); }
        Log& log;
    };
    class RecordingTouch : public ScriptedTouchController
    {
    public:
        explicit RecordingTouch(Log& log) : log(log) {}
        bool sampleTouch(int32_t& x, int32_t& y) override
        {
            log.push_back("touch sample");
            return ScriptedTouchController::sampleTouch(x, y);
        }
        Log& log;
    };
    class RecordingHAL : public TestHAL
    {
    public:
        RecordingHAL(DMA_Interface& dma, LCD& lcd, TouchController* touch, Log& log)
            : TestHAL(dma, lcd, touch), log(log)
        {
        }
        void endFrame() override
        {
            log.push_back("end of frame");
            TestHAL::endFrame();
        }
        Log& log;
    };

    Log order;
    RecordingTouch recordingTouch(order);
    NoDMA otherDma;
    RecordingHAL recordingHal(otherDma, lcd, &recordingTouch, order);
    RecordingApplication recordingApp(order);
    recordingHal.setListener(&recordingApp);
    recordingTouch.queueTouch(5, 5);
    recordingHal.typeKey('k');
    recordingHal.frame();
    EXPECT_EQ(order, (Log{"caching on", "tick", "touch sample", "click 0", "key 107", "caching off", "end of frame"}));
}

TEST_F(ApplicationTest, EventsGoToTheCurrentScreen)
{
    app.onClick(ClickEvent(ClickEvent::PRESSED, 1, 2));
    app.onKey(7);
    app.onTick();
    EXPECT_TRUE(log.empty()); // no screen: dropped

    enterScreen();
    touch.queueTouch(100, 100);
    touch.queueTouch(120, 100);
    touch.queueNoTouch();
    hal.typeKey(7);
    hal.frames(3);
    EXPECT_EQ(log, (Log{"screen tick", "screen click 0", "screen key 7", "screen tick", "screen drag", "screen tick",
                        "screen gesture", "screen click 1"}));
}

TEST_F(ApplicationTest, TimerWidgetStaysUntilRemovedAsOftenAsAdded)
{
    TickingWidget widget;
    app.addTimerWidget(&widget);
    app.addTimerWidget(&widget);
    app.removeTimerWidget(&widget);
    app.onTick();
    EXPECT_EQ(widget.ticks, 1);

    app.removeTimerWidget(&widget);
    EXPECT_EQ(app.timerWidgetCount(), 1u); // removed only by the next tick's sweep
    app.onTick();
    EXPECT_EQ(widget.ticks, 1);
    EXPECT_EQ(app.timerWidgetCount(), 0u);

    // The count saturates at 255, so 256 registrations are undone by 255 removals.
    for (int i = 0; i < 256; i++) {
        app.addTimerWidget(&widget);
    }
    for (int i = 0; i < 255; i++) {
        app.removeTimerWidget(&widget);
    }
    app.onTick();
    EXPECT_EQ(app.timerWidgetCount(), 0u);
}

TEST_F(ApplicationTest, TimerWidgetMayLeaveFromItsOwnTick)
{
    TickingWidget leaving, staying, late;
    leaving.onEachTick = [](TickingWidget& w) { Application::getInstance()->removeTimerWidget(&w); };
    app.addTimerWidget(&leaving);
    app.addTimerWidget(&staying);
    app.addTimerWidget(&late);
    app.removeTimerWidget(&staying); // count 0 ahead of a live entry: the sweep moves the counts down
    app.addTimerWidget(&late);
    app.onTick();
    app.onTick();
    app.removeTimerWidget(&late);
    app.onTick();
    EXPECT_EQ(leaving.ticks, 1);
    EXPECT_EQ(staying.ticks, 0);
    EXPECT_EQ(late.ticks, 3); // still registered once
    EXPECT_EQ(app.timerWidgetCount(), 1u);
}

TEST_F(ApplicationTest, SeventeenthTimerWidgetAsserts)
{
    TickingWidget widgets[Application::MAX_TIMER_WIDGETS + 1];
    for (uint16_t i = 0; i < Application::MAX_TIMER_WIDGETS; i++) {
        app.addTimerWidget(&widgets[i]);
    }
    app.addTimerWidget(&widgets[0]); // known ones still count up
    EXPECT_DEATH(app.addTimerWidget(&widgets[Application::MAX_TIMER_WIDGETS]),
                 "Assertion failed: timerWidgets.size\\(\\) < MAX_TIMER_WIDGETS, file "
                 "framework/source/quillon/Application, line");
}

TEST_F(ApplicationTest, SwitchScreenTearsDownSetsUpAndRedraws)
{
    TickingWidget widget;
    LoggingScreen next(log, "next");
    enterScreen();
    app.addTimerWidget(&widget);
    app.switchScreen(&next);
    EXPECT_EQ(log, (Log{"screen tearDown", "next setUp", "next draw 0,0,800,480"}));
    EXPECT_EQ(app.timerWidgetCount(), 0u);
    EXPECT_DEATH(app.switchScreen(nullptr), "Assertion failed: newScreen, file framework/source/quillon/Application");
}

namespace
{
// Done after a given number of its own ticks.
class CountedTransition : public Transition
{
public:
    CountedTransition(Log& log, int ticksToFinish) : log(log), remaining(ticksToFinish) {}
    void onTick() override
    {
        log.push_back("transition tick");
        if (--remaining <= 0) {
            done = true;
        }
    }
    void tearDown() override { log.push_back("transition tearDown"); }

private:
    Log& log;
    int remaining;
};
} // namespace

TEST_F(ApplicationTest, TransitionHoldsTicksBackAndEndsOnce)
{
    TickingWidget widget;
    CountedTransition transition(log, 2);
    enterScreen();
    TestApplication::currentTransitionPointer() = &transition;
    app.addTimerWidget(&widget);

    for (int i = 0; i < 4; i++) {
        app.onTick();
    }
    EXPECT_EQ(log, (Log{"transition tick", "transition tick", "screen transitionDone", "transition tearDown",
                        "screen draw 0,0,800,480", "screen tick", "screen tick"}));
    EXPECT_EQ(widget.ticks, 2);
}
