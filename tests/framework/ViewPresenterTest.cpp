#include "PageSwitch.hpp"
#include "ScreenLog.hpp"

#include <gtest/gtest.h>
#include <quillon/MVPHeap.hpp>
#include <quillon/NoTransition.hpp>
#include <quillon/Presenter.hpp>
#include <quillon/View.hpp>
#include <quillon/common/Meta.hpp>
#include <quillon/common/Partition.hpp>
#include <quillon/hal/NoDMA.hpp>
#include <support/NullLCD.hpp>
#include <support/TestApplication.hpp>
#include <support/TestHAL.hpp>

using namespace quillon;
using namespace quillon::test;

namespace
{
Log* pageLog = nullptr; // the pages are built by the page switch, which passes no arguments

void note(const std::string& line)
{
    pageLog->push_back(line);
}

// Several pages share one presenter class for their views, as the setpoint pages do.
class SharedPresenter : public Presenter
{
public:
    explicit SharedPresenter(Screen&) { note("presenter built"); }
    ~SharedPresenter() override { note("presenter destroyed"); }
    void activate() override { note("activate"); }
    void deactivate() override { note("deactivate"); }
    virtual const char* page() const { return "shared"; }
};

class RoomPresenter : public SharedPresenter
{
public:
    explicit RoomPresenter(Screen& view) : SharedPresenter(view) {}
    const char* page() const override { return "room"; }
};

class SetpointView : public View<SharedPresenter>, public LoggingScreen
{
public:
    SetpointView() : LoggingScreen(*pageLog, "view")
    {
        note(presenter == nullptr ? "view built, no presenter" : "view built with presenter");
    }
    ~SetpointView() override { note("view destroyed"); }
    void setUp() override
    {
        note(std::string("view setUp for ") + presenter->page());
    }

    SharedPresenter* boundPresenter() const { return presenter; }
};

typedef Partition<meta::TypeList<SharedPresenter, meta::TypeList<RoomPresenter, meta::Nil> >, 1> Presenters;
typedef Partition<meta::TypeList<SetpointView, meta::Nil>, 1> Views;
typedef Partition<meta::TypeList<NoTransition, meta::Nil>, 1> Transitions;

class ScreenChange : public ::testing::Test
{
protected:
    ScreenChange() : hal(dma, lcd, nullptr), heap(presenters, views, transitions, app)
    {
        pageLog = &log;
        hal.setListener(&app);
    }
    ~ScreenChange() override
    {
        Screen*& screen = TestApplication::currentScreenPointer();
        Transition*& transition = TestApplication::currentTransitionPointer();
        leaveCurrentScreen(app, screen, presenter, transition);
        pageLog = nullptr;
    }

    template <class P>
    P* show()
    {
        return createScreen<SetpointView, P>(TestApplication::currentScreenPointer(), presenter, heap,
                                             TestApplication::currentTransitionPointer());
    }

    NoDMA dma;
    NullLCD lcd;
    TestHAL hal;
    TestApplication app;
    Presenters presenters;
    Views views;
    Transitions transitions;
    MVPHeap heap;
    Presenter* presenter = nullptr;
    Log log;
};
} // namespace

TEST_F(ScreenChange, FirstPageIsOnlyBuiltAndEntered)
{
    show<SharedPresenter>();
    EXPECT_EQ(log, (Log{"view built, no presenter", "presenter built", "activate", "view setUp for shared",
                        "view draw 0,0,800,480"}));
    EXPECT_EQ(static_cast<void*>(TestApplication::currentTransitionPointer()), transitions.element(0));
    EXPECT_EQ(presenters.allocationCount(), 0u); // built in place, not allocated
}

TEST_F(ScreenChange, NoTransitionLetsTheNewScreenTickTwoTicksAfterTheSwitch)
{
    show<SharedPresenter>();
    log.clear();
    hal.frame(); // marks the transition done, nothing else
    EXPECT_TRUE(TestApplication::currentTransitionPointer()->isDone());
    EXPECT_TRUE(log.empty());
    hal.frame();
    EXPECT_EQ(log, (Log{"view transitionDone", "view tick", "view draw 0,0,800,480"}));
    log.clear();
    hal.frame();
    EXPECT_EQ(log, (Log{"view tick"}));
}

TEST_F(ScreenChange, OldPageIsTornDownBeforeTheNewOneIsBuilt)
{
    TickingWidget widget;
    show<SharedPresenter>();
    hal.frames(2);
    app.addTimerWidget(&widget);
    log.clear();

    RoomPresenter* room = show<RoomPresenter>();
    EXPECT_EQ(log, (Log{"view tearDown", "deactivate", "view destroyed", "presenter destroyed",
                        "view built, no presenter", "presenter built", "activate", "view setUp for room",
                        "view draw 0,0,800,480"}));
    EXPECT_EQ(app.timerWidgetCount(), 0u);
    EXPECT_EQ(dynamic_cast<SetpointView*>(TestApplication::currentScreenPointer())->boundPresenter(), room);
}

TEST(Transition, IsDoneOnlyWhenItSaysSo)
{
    Transition plain;
    NoTransition none;
    EXPECT_FALSE(plain.isDone());
    EXPECT_FALSE(none.isDone());
    plain.onTick();
    none.onTick();
    EXPECT_FALSE(plain.isDone());
    EXPECT_TRUE(none.isDone());
}
