#include "gui/screens/wizard/WizardPreviewBed.hpp"

#include "support/screen/TextFit.hpp"
#include "gui/screens/heating/ScreenDriving.hpp"

#include "gui/popups/QuestionPopup.hpp"
#include "gui/screens/service/FillingView.hpp"
#include "gui/screens/service/VentingView.hpp"
#include "gui/screens/wizard/WizzardDetectedDevicesView.hpp"

#include <quillon/Texts.hpp>

#include <gtest/gtest.h>

namespace
{
// Filling and venting (question and notice), the detection's waiting screen and the component
// list (wizard and report form) in every language, kept as pictures, no text wider than its field.
class WizardStepsPreview : public ::testing::Test, public screens::WizardPreviewBed
{
protected:
    WizardStepsPreview() { app.bed.frame().setCounting(false); }

    void answerYes()
    {
        GenericView* view = dynamic_cast<GenericView*>(app.app.getCurrentScreen());
        const QuestionPopup* popup =
            view != nullptr ? dynamic_cast<const QuestionPopup*>(view->getPopupContainer()->getCurrentPopup()) : nullptr;
        ASSERT_NE(popup, nullptr);
        clickOn(popup->getYesButton());
    }
};

TEST_F(WizardStepsPreview, EveryScreenFitsItsTextsInAllLanguages)
{
    // The longest names of each kind of component, and every sensor fine.
    presentOnly({58, 3, 4, 14, 18, 22, 24, 25, 27, 29, 46, 54, 5, 55, 56, 53});
    for (uint32_t index : {9u, 12u, 8u, 11u, 13u, 154u, 207u, 24u, 25u, 26u, 10u}) {
        app.bed.deviceSends(index, uint8_t{0});
    }
    app.bed.deviceSends(253, solar_info{});
    const uint32_t languageBefore = groups().settings.language.get();
    for (int language = 0; language < quillon::NUMBER_OF_LANGUAGES; ++language) {
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        groups().settings.language.set(static_cast<uint32_t>(language));

        WizzardInitView* start = enterWizard();
        ASSERT_NE(start, nullptr);
        touch(*start, WizzardInitView::FILLING);
        render("filling-question", language);
        answerYes();
        render("filling-notice", language);
        clickBottomButton(app.screen<FillingView>()->getBottomBar(), FillingView::OK_BUTTON);
        app.bed.ticks(1);
        ASSERT_NE(app.screen<VentingView>(), nullptr);
        render("venting-question", language);
        answerYes();
        render("venting-notice", language);
        clickBottomButton(app.screen<VentingView>()->getBottomBar(), VentingView::OK_BUTTON);
        app.bed.ticks(1);

        app.pageManager().getParam<Params::Commissioning>(nullptr)->mask = 0;
        app.open(app.pages().wizardDetectedDevicesPage, true);
        render("detection-waiting", language);
        WizzardDetectedDevicesView* detection = app.screen<WizzardDetectedDevicesView>();
        ASSERT_NE(detection, nullptr);
        clickBottomButton(detection->getBottomBar(), WizzardDetectedDevicesView::CONTINUE_BUTTON);
        render("detection-list", language);
        for (int page = 0; page < 2; ++page) {
            for (int step = 0; step < 12; ++step) {
                clickOn(detection->getListControl().getDownButton());
            }
            render("detection-list-scrolled" + std::to_string(page + 1), language);
        }

        app.pageManager().getParam<Params::Commissioning>(nullptr)->mask = 0x0800;
        app.open(app.pages().wizardReportMenuPage, true);
        app.open(app.pages().wizardDetectedDevicesPage);
        render("detection-report", language);
    }
    groups().settings.language.set(languageBefore);
}
} // namespace
