#include "FrameFixture.hpp"

#include "OnePopup.hpp"
#include "gui/viewmodes/HelioraWarningViewMode.hpp"

#include <functional>
#include <memory>

namespace frametest
{
namespace
{
class SteadyBoard : public BoardStates
{
public:
    bool isLinkOk() override { return true; }
    bool isClockValid() override { return true; }
};

// A view with a mode of its own that stays on its page when its feedback ends.
class StayingView : public ModeView
{
public:
    StayingView() : warningMode(*this) {}
    void onFeedbackFinished(bool* handled) override { *handled = false; }

    HelioraWarningViewMode warningMode;
};

// The frame with the application's popup system behind it and two test popups.
class FramePopups : public Frame
{
protected:
    FramePopups() : system(bed.model(), board)
    {
        ShellContext::current().popupSystem = &system;
        for (uint16_t id = 0; id < POPUP_COUNT; ++id) {
            system.getManager().close(id); // whatever the seeded values raised
        }
    }
    ~FramePopups() override
    {
        // The view's container goes with the bed, after the popups: take them off first.
        for (uint16_t id = 0; id < POPUP_COUNT; ++id) {
            system.getManager().close(id);
        }
        bed.ticks(1);
    }

    StayingView& showStaying()
    {
        bed.show<StayingView, ModePresenter>();
        bed.ticks(1);
        return bed.view<StayingView>();
    }
    const PopupContainer& container() { return *bed.view<StayingView>().getPopupContainer(); }

    SteadyBoard board;
    PopupSystem system;
    OnePopup popups;
};

TEST_F(FramePopups, OnlyTheFeedbackHoldsARaisedPopupBackUntilItEnds)
{
    ModeView::helpText = wide(u"Some help");
    struct Case
    {
        const char* name;
        std::function<void(StayingView&)> open;
        bool atOnce;
        uint8_t endButton;
    };
    const Case cases[] = {
        {"feedback", [](StayingView& v) { v.showFeedback(wide(u"Saved")); }, false, 5},
        {"help", [](StayingView& v) { v.showHelp(ModeView::helpText); }, true, 1},
        {"confirm", [](StayingView& v) { v.showConfirm(wide(u"Sure?")); }, true, 1},
        {"own mode",
         [](StayingView& v) {
             v.warningMode.setup(wide(u"Solar"), wide(u"Check the module"));
             v.setViewMode(&v.warningMode);
         },
         true, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StayingView& view = showStaying();
        ASSERT_NE(view.getPopupContainer(), nullptr);
        EXPECT_EQ(view.getPopupContainer()->getParent(), &view.getRootContainer());
        EXPECT_EQ(view.getPopupContainer()->getNextSibling(), nullptr); // added last: over everything
        c.open(view);
        system.getManager().show(POPUP_PANEL_LOCKED, 1);
        bed.ticks(1);
        EXPECT_EQ(container().isVisible(), c.atOnce);
        EXPECT_EQ(container().getCurrentPopup(), c.atOnce ? &popups.panelLocked : nullptr);
        if (!c.atOnce) {
            bed.ticks(300); // the feedback ends by itself; the popup comes with its end
            EXPECT_EQ(view.getViewMode(), static_cast<const IViewMode*>(&view));
            EXPECT_EQ(container().getCurrentPopup(), &popups.panelLocked);
            EXPECT_EQ(bed.frame().at(400, 240), OnePopup::COLOR);
        }
        system.getManager().close(POPUP_PANEL_LOCKED);
        bed.ticks(1);
        EXPECT_FALSE(container().isVisible());
    }
}
} // namespace
} // namespace frametest
