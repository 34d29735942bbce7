#include "gui/popups/PopupTestScreen.hpp"

#include "support/screen/ScreenTestBed.hpp"

#include "guicontrols/Palette.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace
{
using namespace popuptest;

class SteadyBoard : public BoardStates
{
public:
    bool isLinkOk() override { return true; }
    bool isClockValid() override { return true; }
};

class PopupContainerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        system = std::make_unique<PopupSystem>(bed.model(), board);
        PopupTestView::system = system.get();
        PopupContainer::setDefaultFactory(&popups);
        bed.show<PopupTestView, PopupTestPresenter>();
        bed.ticks(2);
    }
    void TearDown() override { PopupContainer::setDefaultFactory(nullptr); }

    PopupTestView& view() { return bed.view<PopupTestView>(); }
    PopupManager& manager() { return system->getManager(); }

    // Before the bed: the shown view's container still holds a popup when the bed goes.
    TwoPopups popups;
    test::ScreenTestBed bed{0};
    SteadyBoard board;
    std::unique_ptr<PopupSystem> system;
};

TEST_F(PopupContainerTest, HiddenAndUntouchableUntilAPopupIsRaised)
{
    const PopupContainer& container = view().container;
    EXPECT_FALSE(container.isVisible());
    EXPECT_FALSE(container.isTouchable());
    EXPECT_EQ(bed.frame().at(5, 5), BACKGROUND);
    EXPECT_EQ(bed.frame().at(BUTTON_AREA.x, BUTTON_AREA.y), BUTTON_COLOR);

    bed.click(BUTTON_AREA.x + 10, BUTTON_AREA.y + 10);
    bed.ticks(1);
    EXPECT_EQ(view().button.clicks, 1);
}

TEST_F(PopupContainerTest, ADeviceValueShowsThePopupDimmedAfterTheNextTick)
{
    bed.deviceSends(311, std::uint8_t{1});
    EXPECT_FALSE(view().container.isVisible()); // recorded only
    bed.ticks(1);

    const PopupContainer& container = view().container;
    ASSERT_TRUE(container.isVisible());
    EXPECT_TRUE(container.isTouchable());
    EXPECT_EQ(container.getCurrentPopup(), &popups.testOperation);
    EXPECT_EQ(popups.testOperation.binds, 1);
    const quillon::Rectangle popupArea(20, 38, 760, 404);
    EXPECT_EQ(popups.testOperation.getX(), popupArea.x);
    EXPECT_EQ(popups.testOperation.getY(), popupArea.y);

    // The popup itself, edge to edge; around it the screen, dimmed.
    const quillon::Color popupColor = TwoPopups::TEST_OPERATION_COLOR;
    EXPECT_EQ(bed.frame().at(popupArea.x, popupArea.y), popupColor);
    EXPECT_EQ(bed.frame().at(popupArea.right() - 1, popupArea.bottom() - 1), popupColor);
    const quillon::Color dimmed = bed.frame().at(0, 0);
    EXPECT_NE(dimmed, BACKGROUND);
    const int popupPixels = popupArea.width * popupArea.height;
    EXPECT_EQ(bed.frame().count(dimmed), 800 * 480 - popupPixels);
    EXPECT_EQ(bed.frame().at(popupArea.x - 1, popupArea.y), dimmed);
    EXPECT_EQ(bed.frame().at(popupArea.right(), popupArea.bottom()), dimmed);
    // Black at 204 of 255 keeps a fifth of each channel of the screen.
    const int red = (BACKGROUND >> 11) & 0x1F;
    const int dimmedRed = (dimmed >> 11) & 0x1F;
    EXPECT_LE(dimmedRed, red * 51 / 255 + 1);
    EXPECT_EQ(guicontrols::Palette::entry(PopupContainer::DIMMER_PALETTE_ENTRY), 0);

    // Modal: the button under the overlay hears nothing.
    bed.click(BUTTON_AREA.x + 10, BUTTON_AREA.y + 10);
    bed.ticks(1);
    EXPECT_EQ(view().button.clicks, 0);
    EXPECT_GE(popups.testOperation.updates, 2);
}

TEST_F(PopupContainerTest, TheLaterPopupShowsAndTheEarlierComesBackWhenItGoes)
{
    manager().show(POPUP_TEST_OPERATION, 1);
    manager().show(POPUP_FAULT, 1);
    bed.ticks(1);
    EXPECT_EQ(view().container.getCurrentPopup(), &popups.fault);
    EXPECT_EQ(bed.frame().at(400, 240), TwoPopups::FAULT_COLOR);

    popups.fault.close(); // the user's dismissal
    bed.ticks(1);
    EXPECT_EQ(view().container.getCurrentPopup(), &popups.testOperation);
    EXPECT_EQ(bed.frame().at(400, 240), TwoPopups::TEST_OPERATION_COLOR);
    EXPECT_FALSE(view().container.contains(popups.fault));

    manager().close(POPUP_TEST_OPERATION);
    bed.ticks(1);
    EXPECT_FALSE(view().container.isVisible());
    EXPECT_EQ(view().container.getCurrentPopup(), nullptr);
    EXPECT_EQ(bed.frame().at(400, 240), BACKGROUND);
    EXPECT_EQ(bed.frame().at(BUTTON_AREA.x, BUTTON_AREA.y), BUTTON_COLOR);
}

TEST_F(PopupContainerTest, DisabledItHidesWhileTheIdStaysStacked)
{
    manager().show(POPUP_FAULT, 1);
    bed.ticks(1);
    ASSERT_TRUE(view().container.isVisible());

    view().container.setEnabled(false);
    EXPECT_TRUE(view().container.isVisible()); // nothing until the update
    view().container.update();
    bed.ticks(1);
    EXPECT_FALSE(view().container.isVisible());
    EXPECT_FALSE(view().container.isTouchable());
    EXPECT_EQ(bed.frame().at(400, 240), BACKGROUND);
    EXPECT_EQ(manager().getCurrent(), POPUP_FAULT);

    // A raise meanwhile shows nothing either.
    manager().show(POPUP_TEST_OPERATION, 1);
    bed.ticks(1);
    EXPECT_FALSE(view().container.isVisible());

    view().container.setEnabled(true);
    view().container.update();
    bed.ticks(1);
    EXPECT_EQ(view().container.getCurrentPopup(), &popups.testOperation);
    EXPECT_EQ(popups.testOperation.binds, 1);
}

TEST_F(PopupContainerTest, APopupShownWhenThePageChangesIsBoundAgainOnTheNewScreen)
{
    manager().show(POPUP_FAULT, 1);
    bed.ticks(1);
    ASSERT_EQ(popups.fault.binds, 1);

    bed.show<PopupTestView, PopupTestPresenter>();
    EXPECT_EQ(view().container.getCurrentPopup(), &popups.fault);
    EXPECT_EQ(popups.fault.binds, 2);
    bed.ticks(2);
    EXPECT_EQ(bed.frame().at(400, 240), TwoPopups::FAULT_COLOR);
    EXPECT_NE(bed.frame().at(0, 0), BACKGROUND);
    // The new screen's container is ticked: a dismissal there shows the screen again.
    popups.fault.close();
    bed.ticks(1);
    EXPECT_EQ(bed.frame().at(400, 240), BACKGROUND);
}

TEST_F(PopupContainerTest, AnIdWithoutAPopupShowsTheDimmerAlone)
{
    manager().show(POPUP_WINK, 1);
    bed.ticks(1);
    EXPECT_TRUE(view().container.isVisible());
    EXPECT_EQ(view().container.getCurrentPopup(), nullptr);
    const quillon::Color dimmed = bed.frame().at(0, 0);
    EXPECT_NE(dimmed, BACKGROUND);
    EXPECT_EQ(bed.frame().count(dimmed), 800 * 480 - 120 * 60); // the button dims to its own shade
}
} // namespace
