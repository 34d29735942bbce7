#include "gui/screens/wizard/WizardBed.hpp"

#include "gui/popups/AbgasSensorPopup.hpp"
#include "gui/popups/AdvancedWizardPopup.hpp"
#include "gui/popups/DevicesSecurityWarningPopup.hpp"
#include "gui/popups/GasSensorSecurityWarningPopup.hpp"
#include "gui/popups/PopupFactory.hpp"
#include "gui/popups/PopupId.hpp"
#include "gui/screens/wizard/WizardReportMenuView.hpp"

#include <gtest/gtest.h>

// The questions after "Continue" on the start step, shown in the start step's own frame and
// answered by touches, through the real application.
namespace
{
const std::uint32_t CHECK_ALLOWED = 225;
const std::uint32_t CHECK_STATE = 953;

class WizardQuestions : public ::testing::Test, public screens::WizardBed
{
protected:
    // The start step with "Continue" touched; the sensor check due or not.
    WizzardInitView* continueFromStartStep(bool checkDue)
    {
        app.bed.deviceSends(CHECK_ALLOWED, std::uint8_t{checkDue ? std::uint8_t{1} : std::uint8_t{0}});
        app.bed.deviceSends(CHECK_STATE, std::uint8_t{1});
        WizzardInitView* view = enterWizard();
        if (view != nullptr) {
            clickBottomButton(view->getBottomBar(), WizzardInitView::CONTINUE_BUTTON);
        }
        return view;
    }
    Popup* shownOver(const GenericView& view)
    {
        const PopupContainer* container = view.getPopupContainer();
        return container != nullptr ? container->getCurrentPopup() : nullptr;
    }
    template <class P>
    P& popup(std::uint16_t id)
    {
        return static_cast<P&>(*PopupFactory::getInstance()->getPopup(id));
    }
    // Popup 8 "Yes", check not due: popup 11 over the start step.
    AdvancedWizardPopup& askAdditionalSettings(WizzardInitView& view)
    {
        clickOn(popup<GasSensorSecurityWarningPopup>(POPUP_GAS_SENSOR_SECURITY_WARNING).getYesButton());
        AdvancedWizardPopup& question = popup<AdvancedWizardPopup>(POPUP_ADVANCED_WIZARD);
        EXPECT_EQ(shownOver(view), &question);
        EXPECT_FALSE(popups().isActive(POPUP_GAS_SENSOR_SECURITY_WARNING));
        return question;
    }
};

TEST_F(WizardQuestions, ContinueShowsTheSecurityWarningInTheFrameAtOnce)
{
    app.bed.deviceSends(CHECK_ALLOWED, std::uint8_t{0});
    WizzardInitView* view = enterWizard();
    ASSERT_NE(view, nullptr);
    const quillon::Rectangle r = view->getBottomBar().getButton(WizzardInitView::CONTINUE_BUTTON).getAbsoluteRect();
    app.bed.click(static_cast<std::int16_t>(r.x + r.width / 2), static_cast<std::int16_t>(r.y + r.height / 2));
    // No tick yet: the container took it on the touch itself.
    EXPECT_EQ(shownOver(*view), &popup<GasSensorSecurityWarningPopup>(POPUP_GAS_SENSOR_SECURITY_WARNING));
    EXPECT_TRUE(writes().empty());
}

TEST_F(WizardQuestions, NoAdditionalSettingsJumpsToTheReport)
{
    WizzardInitView* view = continueFromStartStep(false);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(shownOver(*view), &popup<GasSensorSecurityWarningPopup>(POPUP_GAS_SENSOR_SECURITY_WARNING));
    AdvancedWizardPopup& question = askAdditionalSettings(*view);

    clickOn(question.getNoButton());
    EXPECT_EQ(current(), &app.pages().wizardReportMenuPage);
    WizardReportMenuView* report = app.screen<WizardReportMenuView>();
    ASSERT_NE(report, nullptr);
    EXPECT_FALSE(popups().isActive(POPUP_ADVANCED_WIZARD));
    EXPECT_EQ(shownOver(*report), nullptr);
    // Steps 2 to 4 skipped: only the report's own mark joins the empty mask.
    EXPECT_EQ(mask(), 0x0800u);
    EXPECT_EQ(level(), 61);
}

TEST_F(WizardQuestions, AdditionalSettingsLeadToTheDetectionWithoutHistory)
{
    WizzardInitView* view = continueFromStartStep(false);
    ASSERT_NE(view, nullptr);
    AdvancedWizardPopup& question = askAdditionalSettings(*view);

    clickOn(question.getYesButton());
    DevicesSecurityWarningPopup& warning = popup<DevicesSecurityWarningPopup>(POPUP_DEVICES_SECURITY_WARNING);
    EXPECT_EQ(shownOver(*view), &warning);
    EXPECT_FALSE(popups().isActive(POPUP_ADVANCED_WIZARD));
    EXPECT_EQ(current(), &app.pages().wizardInitPage);

    clickOn(warning.getYesButton());
    EXPECT_EQ(current(), &app.pages().wizardDetectedDevicesPage);
    EXPECT_EQ(app.pageManager().getHistorySize(), 0);
    EXPECT_FALSE(popups().isActive(POPUP_DEVICES_SECURITY_WARNING));
    EXPECT_EQ(level(), 61);
}

TEST_F(WizardQuestions, ADueSensorCheckRunsBeforeTheNextQuestion)
{
    WizzardInitView* view = continueFromStartStep(true);
    ASSERT_NE(view, nullptr);
    clickOn(popup<GasSensorSecurityWarningPopup>(POPUP_GAS_SENSOR_SECURITY_WARNING).getYesButton());
    EXPECT_EQ(shownOver(*view), &popup<AbgasSensorPopup>(POPUP_ABGAS_SENSOR));
    EXPECT_FALSE(popups().isActive(POPUP_ADVANCED_WIZARD));
    EXPECT_EQ(current(), &app.pages().wizardInitPage);
}
} // namespace
