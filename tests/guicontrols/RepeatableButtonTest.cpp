#include "guicontrols/RepeatableButton.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/events/ClickEvent.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::ClickEvent;

namespace
{
// Records at which frame each repeat and each click arrived.
class Owner
{
public:
    explicit Owner(quillon::test::TestHAL& hal)
        : hal(hal), repeated(this, &Owner::onRepeat), clicked(this, &Owner::onClick)
    {
    }
    // The frame under way: frameCount() counts the frames completed.
    void onRepeat(const RepeatableButton&) { repeats.push_back(hal.frameCount() + 1); }
    void onClick(const quillon::AbstractButton&) { clicks.push_back(hal.frameCount() + 1); }

    quillon::test::TestHAL& hal;
    quillon::Callback<Owner, const RepeatableButton&> repeated;
    quillon::Callback<Owner, const quillon::AbstractButton&> clicked;
    std::vector<uint32_t> repeats;
    std::vector<uint32_t> clicks;
};

class RepeatableButtonTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        button.setBitmaps(quillon::Bitmap(16), quillon::Bitmap(18));
        button.setXY(100, 100);
        button.setAction(owner.clicked);
        screen.add(button);
        application.switchScreen(&screen);
        frame.frames(1);
    }

    quillon::Screen screen;
    Owner owner{frame.hal()};
    RepeatableButton button;
};
} // namespace

// Ticks counted from the press: the first repeat after 7 ticks of delay (112 >= 100) and 2
// more (32 >= 25), then every 2nd tick.
TEST_F(RepeatableButtonTest, RepeatsWhileHeldAndClicksOnceOnRelease)
{
    struct Case
    {
        uint32_t heldTicks;
        std::vector<uint32_t> repeats;
    };
    const Case cases[] = {
        {1, {}},
        {8, {}},
        {9, {9}},
        {13, {9, 11, 13}},
    };
    button.setRepeatAction(&owner.repeated);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heldTicks);
        owner.repeats.clear();
        owner.clicks.clear();
        button.onClick(ClickEvent(ClickEvent::PRESSED, 5, 5));
        const uint32_t pressedAt = frame.hal().frameCount();
        EXPECT_EQ(application.timerWidgetCount(), 1);
        frame.frames(c.heldTicks);
        button.onClick(ClickEvent(ClickEvent::RELEASED, 5, 5));
        frame.frames(5); // released: no more repeats
        std::vector<uint32_t> ticks;
        for (uint32_t at : owner.repeats) {
            ticks.push_back(at - pressedAt);
        }
        EXPECT_EQ(ticks, c.repeats);
        EXPECT_EQ(owner.clicks.size(), 1u);
        EXPECT_EQ(application.timerWidgetCount(), 0);
    }
}

TEST_F(RepeatableButtonTest, WithoutRepeatActionNeverATimerWidget)
{
    button.onClick(ClickEvent(ClickEvent::PRESSED, 5, 5));
    EXPECT_EQ(application.timerWidgetCount(), 0);
    frame.frames(20);
    button.onClick(ClickEvent(ClickEvent::RELEASED, 5, 5));
    EXPECT_EQ(owner.clicks.size(), 1u);
    EXPECT_EQ(application.timerWidgetCount(), 0);
}

// Through the touch panel: the finger presses, rests, then slides off the button.
TEST_F(RepeatableButtonTest, DraggedOffStopsRepeatingWithoutAClick)
{
    button.setRepeatAction(&owner.repeated);
    frame.touch().press(110, 110);
    frame.frames(12);
    const size_t repeatsWhileOn = owner.repeats.size();
    EXPECT_GE(repeatsWhileOn, 2u);
    for (int16_t y = 130; y <= 400; y = static_cast<int16_t>(y + 30)) {
        frame.touch().press(110, y);
        frame.frames(1);
    }
    frame.frames(10);
    frame.touch().release();
    frame.frames(3);
    EXPECT_LE(owner.repeats.size(), repeatsWhileOn + 1); // at most the frame the drag began
    EXPECT_TRUE(owner.clicks.empty());
    EXPECT_FALSE(button.getPressedState());
}

// A second press before the release, or a page switch that dropped every timer widget,
// must neither leave the button registered twice nor unregistered.
TEST_F(RepeatableButtonTest, KeepsOneRegistrationPerHold)
{
    button.setRepeatAction(&owner.repeated);
    button.onClick(ClickEvent(ClickEvent::PRESSED, 5, 5));
    button.onClick(ClickEvent(ClickEvent::PRESSED, 5, 5));
    button.onClick(ClickEvent(ClickEvent::RELEASED, 5, 5));
    frame.frames(2);
    EXPECT_EQ(application.timerWidgetCount(), 0);

    button.onClick(ClickEvent(ClickEvent::PRESSED, 5, 5));
    application.clearAllTimerWidgets();
    button.onClick(ClickEvent(ClickEvent::CANCEL, 5, 5));
    button.onClick(ClickEvent(ClickEvent::PRESSED, 5, 5));
    frame.frames(9);
    EXPECT_EQ(owner.repeats.size(), 1u);
    {
        RepeatableButton held;
        held.setRepeatAction(&owner.repeated);
        held.onClick(ClickEvent(ClickEvent::PRESSED, 5, 5));
        EXPECT_EQ(application.timerWidgetCount(), 2);
    } // destroyed while held
    frame.frames(2);
    EXPECT_EQ(application.timerWidgetCount(), 1);
}
