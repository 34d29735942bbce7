#include "SettingsBed.hpp"

#include "gui/screens/heating/ScreenDriving.hpp"
#include "gui/screens/settings/SettingsContactDataView.hpp"
#include "gui/screens/settings/SettingsLanguageView.hpp"

#include "support/screen/TextFit.hpp"

namespace settings_test
{
namespace
{
const char* const LANGUAGES[] = {"de", "en", "fr", "da", "nl", "pl", "it", "cs", "sk", "sv"};

class SettingsPreviews : public SettingsBed
{
public:
    // For the states' steps below.
    using SettingsBed::app;
    using SettingsBed::settings;
    using SettingsBed::tap;
    using SettingsBed::tapBottomButton;

    void openFor(pagemanager::Page& page, uint16_t circuit)
    {
        app.open(app.pages().settingsMenuPage);
        HeatingCircuitParam param = {};
        param.circuit = circuit;
        ASSERT_TRUE(app.pageManager().setParam(param));
        app.open(page);
    }
};

// Every screen and message of the family in every language: the pictures are kept, a text
// wider than its field fails.
TEST_F(SettingsPreviews, EveryScreenInEveryLanguageFitsItsTexts)
{
    app.bed.frame().setCounting(false); // pictures and text fits only: no write counts
    presentOnly({0, 1, 2, 7});
    struct State
    {
        const char* name;
        void (*reach)(SettingsPreviews&);
    };
    const State states[] = {
        {"BrightnessNormal", [](SettingsPreviews& t) { t.app.open(t.app.pages().brightnessNormalPage); }},
        {"BrightnessNormalAccepted", [](SettingsPreviews& t) {
             t.app.open(t.app.pages().brightnessNormalPage);
             t.tapBottomButton(5);
         }},
        {"BrightnessStandby", [](SettingsPreviews& t) { t.app.open(t.app.pages().brightnessStandbyPage); }},
        {"BrightnessStandbyAccepted", [](SettingsPreviews& t) {
             t.app.open(t.app.pages().brightnessStandbyPage);
             t.tapBottomButton(5);
         }},
        {"Buzzer", [](SettingsPreviews& t) { t.app.open(t.app.pages().buzzerPage); }},
        {"Language", [](SettingsPreviews& t) { t.app.open(t.app.pages().languagePage); }},
        {"LanguageSecondPage", [](SettingsPreviews& t) {
             t.app.open(t.app.pages().languagePage);
             t.tapBottomButton(SettingsLanguageView::PAGE_BUTTON);
         }},
        {"Date", [](SettingsPreviews& t) { t.app.open(t.app.pages().datePage); }},
        {"DateAccepted", [](SettingsPreviews& t) {
             t.app.open(t.app.pages().datePage);
             t.tapBottomButton(5);
         }},
        {"Time", [](SettingsPreviews& t) { t.app.open(t.app.pages().timePage); }},
        {"ContactData", [](SettingsPreviews& t) {
             t.settings().name.set(reinterpret_cast<const quillon::WideChar*>(u"Hans Muster Heizungsbau"));
             t.settings().email.set(reinterpret_cast<const quillon::WideChar*>(u"service@example.org"));
             t.app.open(t.app.pages().contactDataPage);
         }},
        {"ContactDataKeyboard", [](SettingsPreviews& t) {
             t.app.open(t.app.pages().contactDataPage);
             t.tap(t.app.screen<SettingsContactDataView>()->getRow(1).getField());
         }},
        {"ContactDataAccepted", [](SettingsPreviews& t) {
             t.app.open(t.app.pages().contactDataPage);
             t.tapBottomButton(5);
         }},
        {"CircuitName", [](SettingsPreviews& t) { t.openFor(t.app.pages().circuitNamePage, 1); }},
        {"CircuitNameAccepted", [](SettingsPreviews& t) {
             t.openFor(t.app.pages().circuitNamePage, 1);
             t.tapBottomButton(5);
         }},
        {"FactoryDefaultsSelection", [](SettingsPreviews& t) { t.app.open(t.app.pages().factoryDefaultsSelectionPage); }},
        {"FactoryDefaultsQuestion", [](SettingsPreviews& t) { t.openFor(t.app.pages().factoryDefaultsPage, 2); }},
        {"FactoryDefaultsDone", [](SettingsPreviews& t) {
             t.openFor(t.app.pages().factoryDefaultsPage, 2);
             t.tapBottomButton(ConfirmViewMode::YES_BUTTON);
         }},
    };
    for (int language = 0; language < 10; ++language) {
        for (const State& state : states) {
            SCOPED_TRACE(std::string(state.name) + " " + LANGUAGES[language]);
            app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
            settings().hc2.set(reinterpret_cast<const quillon::WideChar*>(u""));
            app.open(app.pages().mainMenuPage);
            state.reach(*this);
            app.bed.ticks(2);
            ASSERT_NE(frame(), nullptr);
            EXPECT_TRUE(test::writePreview(app, "settings", std::string(state.name) + "-" + LANGUAGES[language]));
            EXPECT_EQ(test::overwideTexts(frame()->getRootContainer()), std::vector<std::string>{});
        }
    }
}
} // namespace
} // namespace settings_test
