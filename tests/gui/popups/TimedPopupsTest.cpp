#include "gui/popups/RealPopups.hpp"

#include <quillon/TypedText.hpp>

#include <string>
#include <vector>

// The test-operation, wink, panel-locked and flue-gas check popups: live values and time
// counted in frames.
namespace popuptest
{
namespace
{

using TimedPopups = RealPopups;

TEST_F(TimedPopups, TheTestOperationShowsTheBoilerTemperatureWhileItsStatusIsGood)
{
    TestOperationPopup& test = popup<TestOperationPopup>(POPUP_TEST_OPERATION);
    app.bed.deviceSends(BOILER_TEMPERATURE_STATUS, std::uint8_t{0});
    sendBoiler(0x10, 450);
    app.bed.deviceSends(TEST_OPERATION, std::uint8_t{1});
    app.bed.ticks(2);
    ASSERT_EQ(shown(), &test);
    EXPECT_EQ(text(test.getTemperatureLine().getText()), u"Boiler temperature 45°C");
    EXPECT_TRUE(test.getBurnerSymbol().isVisible());

    app.bed.deviceSends(BOILER_TEMPERATURE_STATUS, std::uint8_t{1});
    sendBoiler(0x00, 450);
    app.bed.ticks(1);
    EXPECT_EQ(text(test.getTemperatureLine().getText()), u"Boiler temperature ---");
    EXPECT_FALSE(test.getBurnerSymbol().isVisible());

    // Bit 4 alone counts.
    sendBoiler(0xEF, 450);
    app.bed.ticks(1);
    EXPECT_FALSE(test.getBurnerSymbol().isVisible());
    sendBoiler(0x10, 450);
    app.bed.ticks(1);
    EXPECT_TRUE(test.getBurnerSymbol().isVisible());
}

TEST_F(TimedPopups, OffUnderTheMainPageEndsOnTheMainMenuAndThePopupClosesAtTheNextTick)
{
    const std::uint16_t history = app.pageManager().getHistorySize(); // main -> main menu
    app.open(app.pages().dateTimeMenuPage);
    cover();
    app.bed.deviceSends(TEST_OPERATION, std::uint8_t{1});
    app.bed.ticks(1);
    ASSERT_EQ(shown(), &popup<TestOperationPopup>(POPUP_TEST_OPERATION));
    test::WriteLog log;
    tap(popup<TestOperationPopup>(POPUP_TEST_OPERATION).getOffButton());
    EXPECT_EQ(app.bed.model().getGroups().testOperation.request.getValue(), 0);
    EXPECT_EQ(currentPage(), &app.pages().mainMenuPage);
    // Back to the anchor and on to the menu: the road of main -> main menu.
    EXPECT_EQ(app.pageManager().getHistorySize(), history);
    EXPECT_FALSE(manager().isActive(POPUP_TEST_OPERATION));
}

TEST_F(TimedPopups, OffOnAWizardPageOnlyDismisses)
{
    // The wizard's road: its first page is the anchor.
    app.open(app.pages().wizardInitPage);
    app.open(app.pages().wizardDetectedDevicesPage);
    cover();
    app.bed.deviceSends(TEST_OPERATION, std::uint8_t{1});
    app.bed.ticks(1);
    ASSERT_EQ(shown(), &popup<TestOperationPopup>(POPUP_TEST_OPERATION));
    app.bed.click(400, 38 + 315 + 30); // "OFF", pressed and released within this frame
    EXPECT_EQ(currentPage(), &app.pages().wizardDetectedDevicesPage);
    EXPECT_TRUE(manager().isActive(POPUP_TEST_OPERATION)); // until the rules see the value
    app.bed.ticks(1);
    EXPECT_FALSE(manager().isActive(POPUP_TEST_OPERATION));
    EXPECT_EQ(shown(), nullptr);
    EXPECT_EQ(currentPage(), &app.pages().wizardDetectedDevicesPage);
}

TEST_F(TimedPopups, TheWinkShowsTheSubscriberAndOkClosesItAtOnce)
{
    WinkPopup& wink = popup<WinkPopup>(POPUP_WINK);
    app.bed.deviceSends(WINK_SUBSCRIBER, std::uint8_t{203});
    raise(POPUP_WINK);
    ASSERT_EQ(shown(), &wink);
    EXPECT_EQ(text(wink.getSubscriber()), u"203");
    tap(wink.getOkButton());
    EXPECT_FALSE(manager().isActive(POPUP_WINK));
    EXPECT_EQ(shown(), nullptr);
    EXPECT_FALSE(wink.isTicking());
}

// Frames until the popup's id is closed, at most limit. A popup bound in a frame is ticked
// in that frame already: the application ticks a widget registered during its pass.
int framesUntilClosed(test::AppTestBed& app, PopupManager& manager, std::uint16_t id, int limit)
{
    for (int frame = 1; frame <= limit; ++frame) {
        app.bed.ticks(1);
        if (!manager.isActive(id)) {
            return frame;
        }
    }
    return -1;
}

TEST_F(TimedPopups, TheWinkClosesItselfOnThe1876thTickAndCountsFrom1Later)
{
    WinkPopup& own = ownPopup<WinkPopup>(POPUP_WINK);
    manager().show(POPUP_WINK, 1);
    EXPECT_EQ(framesUntilClosed(app, manager(), POPUP_WINK, 2000), 1876);
    EXPECT_FALSE(own.isTicking());

    // Covered by another popup and bound again when that goes: still one registration, so
    // once it has closed itself it stops, and the next showing counts from 1.
    manager().show(POPUP_WINK, 1);
    app.bed.ticks(1);
    raise(POPUP_FAULT);
    manager().close(POPUP_FAULT);
    app.bed.ticks(1);
    ASSERT_EQ(shown(), &own);
    EXPECT_GT(framesUntilClosed(app, manager(), POPUP_WINK, 2000), 0);
    app.bed.ticks(100);
    manager().show(POPUP_WINK, 1);
    EXPECT_EQ(framesUntilClosed(app, manager(), POPUP_WINK, 2000), 1875);
}

TEST_F(TimedPopups, AWinkThatClosedItselfAndIsRaisedBeforeTheNextUpdateCountsAgain)
{
    WinkPopup& own = ownPopup<WinkPopup>(POPUP_WINK);
    manager().show(POPUP_WINK, 1);
    ASSERT_EQ(framesUntilClosed(app, manager(), POPUP_WINK, 2000), 1876);
    // The boiler still asks: the rules raise the same popup on the overlay's next tick,
    // before it has seen the close.
    common_info info{};
    info.bytes[2] = 0x01;
    app.bed.deviceSends(COMMON_INFO, info);
    app.bed.ticks(1);
    ASSERT_TRUE(manager().isActive(POPUP_WINK));
    ASSERT_EQ(shown(), &own);
    EXPECT_TRUE(own.isTicking());
    // Counted from 1 again, as any later showing; the frame that bound it was one of them.
    EXPECT_EQ(framesUntilClosed(app, manager(), POPUP_WINK, 2000), 1874);
}

TEST_F(TimedPopups, PanelLockedClosesItselfOnThe251stTickAndCountsFrom1WhenRaisedAgain)
{
    PanelLockedPopup& own = ownPopup<PanelLockedPopup>(POPUP_PANEL_LOCKED);
    manager().show(POPUP_PANEL_LOCKED, 1);
    EXPECT_EQ(framesUntilClosed(app, manager(), POPUP_PANEL_LOCKED, 400), 251);
    EXPECT_FALSE(own.isTicking());
    app.bed.ticks(1);
    EXPECT_EQ(shown(), nullptr);
    // Closed, not dismissed: the home screen can raise it again.
    app.bed.ticks(50);
    manager().show(POPUP_PANEL_LOCKED, 1);
    EXPECT_EQ(framesUntilClosed(app, manager(), POPUP_PANEL_LOCKED, 400), 250);
}

TEST_F(TimedPopups, UnlockHidesAtOnceAndOpensTheLockPageOnTheSixthTick)
{
    PanelLockedPopup& locked = ownPopup<PanelLockedPopup>(POPUP_PANEL_LOCKED);
    raise(POPUP_PANEL_LOCKED);
    app.bed.ticks(10);
    tap(locked.getUnlockButton()); // released in this frame, which ticks once more
    EXPECT_EQ(shown(), nullptr);
    EXPECT_TRUE(manager().isActive(POPUP_PANEL_LOCKED));
    app.bed.ticks(4);
    EXPECT_EQ(currentPage(), &app.pages().mainMenuPage);
    app.bed.ticks(1);
    EXPECT_EQ(currentPage(), &app.pages().lockPanelEnablePage);
    EXPECT_EQ(currentPage()->getId(), 76);
    EXPECT_FALSE(manager().isActive(POPUP_PANEL_LOCKED));
}
// The busy icon shows its next frame every 10 ticks: driven by the popup alone, at one tick
// per frame (its first step shows the frame it starts with).
TEST_F(TimedPopups, TheFlueGasSpinnerTurnsOnceEveryTenFrames)
{
    AbgasSensorPopup& own = ownPopup<AbgasSensorPopup>(POPUP_ABGAS_SENSOR);
    manager().show(POPUP_ABGAS_SENSOR, 1);
    std::vector<int> changes;
    quillon::BitmapId last = own.getSpinner().getBitmap().getId();
    for (int frame = 1; frame <= 45; ++frame) {
        app.bed.ticks(1);
        const quillon::BitmapId now = own.getSpinner().getBitmap().getId();
        if (now != last) {
            changes.push_back(frame);
            last = now;
        }
    }
    EXPECT_EQ(changes, (std::vector<int>{20, 30, 40}));
    EXPECT_TRUE(own.getSpinner().isVisible());
    EXPECT_EQ(shown(), &own);
}

} // namespace
} // namespace popuptest
