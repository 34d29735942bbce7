#include "gui/screens/wizard/WizardPreviewBed.hpp"

#include "support/screen/TextFit.hpp"
#include "gui/screens/heating/ScreenDriving.hpp"

#include "gui/screens/service/ServiceExitView.hpp"
#include "gui/screens/service/TestOperationView.hpp"
#include "gui/screens/wizard/WizardReportMenuView.hpp"
#include "gui/screens/wizard/WizardReportResultView.hpp"

#include <quillon/Texts.hpp>

#include <gtest/gtest.h>


namespace
{
// The service start-up, the test operation (start, flow test, flow sufficient), the start step (list and code keyboard), the report menu and the
// results in every language, kept as pictures, with no text wider than its field.
class WizardPreview : public ::testing::Test, public screens::WizardPreviewBed
{
};

TEST_F(WizardPreview, EveryScreenFitsItsTextsInAllLanguages)
{
    app.bed.frame().setCounting(false); // pictures and text fits only: no write counts
    presentOnly({WizardReportResultView::CALIBRATION_DEVICE});
    const uint32_t languageBefore = groups().settings.language.get();
    for (int language = 0; language < quillon::NUMBER_OF_LANGUAGES; ++language) {
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        groups().settings.language.set(static_cast<uint32_t>(language));

        app.pageManager().reset();
        app.open(app.pages().mainPage, true);
        app.open(app.pages().serviceExitPage);
        render("service-start-up", language);
        app.open(app.pages().mainPage, true);
        app.open(app.pages().testOperationPage);
        render("test-operation", language);
        app.bed.deviceSends(223, uint8_t{1}); // running
        app.open(app.pages().testOperationPage2);
        render("maximum-output-flow-test", language);
        app.bed.deviceSends(294, uint8_t{1}); // flow sufficient
        render("maximum-output-flow-sufficient", language);
        app.bed.deviceSends(223, uint8_t{0});
        app.bed.deviceSends(294, uint8_t{0});

        WizzardInitView* start = enterWizard();
        ASSERT_NE(start, nullptr);
        render("start-step", language);
        touch(*start, WizzardInitView::GAS_TYPE);
        render("gas-type-code", language);
        clickBottomButton(start->getBottomBar(), KeyboardViewMode::CANCEL_BUTTON);

        app.pageManager().getParam<Params::Commissioning>(nullptr)->mask = 0x0057;
        app.open(app.pages().wizardReportMenuPage);
        render("report-menu", language);
        app.open(app.pages().wizardReportResultPage);
        render("report-results", language);
    }
    groups().settings.language.set(languageBefore);
}
} // namespace
