#include "SolarPumpBed.hpp"

#include "support/screen/TextFit.hpp"
#include "gui/screens/heating/ScreenDriving.hpp"

#include "gui/screens/energy/SolarPumpCalibrationView.hpp"
#include "gui/screens/energy/SolarPumpStatusView.hpp"
#include "gui/screens/wizard/WizzardAbsorberSurfaceView.hpp"

#include <quillon/Font.hpp>
#include <quillon/Texts.hpp>
#include <quillon/TypedText.hpp>

namespace solarpump_test
{
namespace
{
const char* const LANGUAGES[10] = {"de", "en", "fr", "da", "nl", "pl", "it", "cs", "sk", "sv"};
const int DISPLAY_WIDTH = 800;

int widthOf(const quillon::Font* font, const quillon::WideChar* text)
{
    return font != nullptr && text != nullptr ? font->getStringWidth(text) : 0;
}

// The status labels' fields run past the display's edge; the absorber buttons draw label and
// value in their own box: texts the field walk does not judge.
void checkOwnTexts(quillon::Screen& screen, std::vector<std::string>& found)
{
    if (auto* status = dynamic_cast<SolarPumpStatusView*>(&screen)) {
        for (std::uint8_t row = 0; row < SolarPumpStatusView::ROWS; ++row) {
            const guicontrols::TextField& label = status->getRowLabel(row);
            const int width = widthOf(label.getFont(), label.getText());
            if (label.getAbsoluteRect().x + width > DISPLAY_WIDTH) {
                found.push_back(test::utf8(label.getText()) + " runs past the display's edge");
            }
        }
    }
    if (auto* absorber = dynamic_cast<WizzardAbsorberSurfaceView*>(&screen)) {
        if (absorber->getViewMode() != absorber) {
            return;
        }
        for (std::uint8_t type = 0; type < WizzardAbsorberSurfaceView::TYPES; ++type) {
            const guicontrols::CheckableButtonWithLabel& button = absorber->getTypeButton(type);
            const quillon::TypedText label(type == 2 ? 816 : 1150);
            const int room = button.getWidth() - 20;
            const int width = widthOf(label.getFont(), label.getText()) + 10 +
                              widthOf(label.getFont(), absorber->getTypeValueText(type));
            if (width > room) {
                found.push_back(test::utf8(label.getText()) + " and its value are " + std::to_string(width) +
                                " px wide in " + std::to_string(room));
            }
        }
        const quillon::TextArea& count = absorber->getCountLabel();
        if (count.getTextWidth() > count.getWidth()) {
            found.push_back("the count label is " + std::to_string(count.getTextWidth()) + " px wide");
        }
    }
}

class SolarPumpPreview : public SolarPumpBed
{
protected:
    void render(const std::string& name, int language)
    {
        app.bed.ticks(2);
        quillon::Screen* screen = app.app.getCurrentScreen();
        ASSERT_NE(screen, nullptr) << name;
        EXPECT_TRUE(test::writePreview(app, "solarpump", name + "-" + LANGUAGES[language]));
        std::vector<std::string> found = test::overwideTexts(screen->getRootContainer());
        checkOwnTexts(*screen, found);
        for (const std::string& line : found) {
            ADD_FAILURE() << name << " in " << LANGUAGES[language] << ": " << line;
        }
    }
};

// The three screens in their states in every language, kept as pictures, no text too wide.
TEST_F(SolarPumpPreview, EveryScreenInEveryLanguage)
{
    app.bed.frame().setCounting(false);
    for (int language = 0; language < quillon::NUMBER_OF_LANGUAGES; ++language) {
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        calibration(1, 1);
        pumpRecord(65);
        open<SolarPumpStatusView>(app.pages().solarPumpStatusPage);
        render("status", language);
        calibration(255, 1);
        pumpRecord(255, 99999999u, 65535); // the widest values a pump reaches
        open<SolarPumpStatusView>(app.pages().solarPumpStatusPage);
        render("status-widest", language);

        calibration(12, 50);
        app.bed.deviceSends(ABSORBER_SURFACE, 0.0f);
        SolarPumpCalibrationView& calibrationView =
            open<SolarPumpCalibrationView>(app.pages().solarPumpCalibrationPage);
        render("calibration-question", language);
        press(calibrationView, ConfirmViewMode::YES_BUTTON);
        render("calibration-surface-missing", language);
        app.bed.deviceSends(ABSORBER_SURFACE, 4.64f);
        SolarPumpCalibrationView& entry = open<SolarPumpCalibrationView>(app.pages().solarPumpCalibrationPage);
        press(entry, ConfirmViewMode::YES_BUTTON);
        render("calibration-entry", language);

        app.bed.deviceSends(COLLECTOR_TYPE, std::uint8_t{2});
        app.bed.deviceSends(COLLECTOR_COUNT, std::uint8_t{10});
        app.bed.deviceSends(ABSORBER_SURFACE, 60.0f);
        WizzardAbsorberSurfaceView& absorber = open<WizzardAbsorberSurfaceView>(app.pages().wizardAbsorberSurfacePage);
        render("absorber-surface", language);
        click(absorber.getTypeButton(WizzardAbsorberSurfacePresenter::OTHER_COLLECTOR));
        render("absorber-keyboard", language);
        app.bed.deviceSends(COLLECTOR_TYPE, std::uint8_t{0});
        app.bed.deviceSends(COLLECTOR_COUNT, std::uint8_t{2});
        app.bed.deviceSends(ABSORBER_SURFACE, 4.64f);
    }
}
} // namespace
} // namespace solarpump_test
