#include "GasBed.hpp"

#include "gui/screens/energy/GasConsumptionDetectionImprovView.hpp"
#include "gui/screens/energy/InputGasMeterReadingView.hpp"
#include "gui/screens/energy/InputGasQualityView.hpp"
#include "gui/screens/heating/ScreenDriving.hpp"
#include "support/screen/TextFit.hpp"

#include <quillon/Font.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
const char* const LANGUAGES[10] = {"de", "en", "fr", "da", "nl", "pl", "it", "cs", "sk", "sv"};
const std::int16_t BUTTON_LABEL_MARGIN = 10;

std::string overwide(const std::string& what, int width, int room)
{
    return what + " is " + std::to_string(width) + " px in " + std::to_string(room) + " px";
}

void checkButtonLabel(const quillon::ButtonWithLabel& button, std::vector<std::string>& found)
{
    if (!button.isVisible() || button.getParent() == nullptr) {
        return;
    }
    const quillon::TypedText label = button.getLabelText();
    const int width = label.getFont()->getStringWidth(label.getText());
    if (width > button.getWidth() - BUTTON_LABEL_MARGIN) {
        found.push_back(overwide("button label \"" + test::utf8(label.getText()) + "\"", width,
                                 button.getWidth() - BUTTON_LABEL_MARGIN));
    }
}

// What stands left of a widget must end before it.
void checkLeftOf(const quillon::Drawable& left, const quillon::Drawable& right, const std::string& what,
                 std::vector<std::string>& found)
{
    if (!left.isVisible() || !right.isVisible() || left.getParent() == nullptr || right.getParent() == nullptr) {
        return;
    }
    const quillon::Rectangle a = left.getAbsoluteRect();
    const quillon::Rectangle b = right.getAbsoluteRect();
    const bool sameRows = a.y < b.y + b.height && b.y < a.y + a.height;
    if (sameRows && a.x + a.width > b.x) {
        found.push_back(what + " runs " + std::to_string(a.x + a.width - b.x) + " px under its neighbour");
    }
}

// A text of several lines: each line across the field, all lines from the field's top down
// to the bottom of the room it has.
void checkLines(const guicontrols::TextField& field, int room, std::vector<std::string>& found)
{
    const quillon::Font* font = field.getFont();
    std::vector<quillon::WideChar> line;
    for (const quillon::WideChar* c = field.getText();; ++c) {
        if (*c == '\n' || *c == 0) {
            line.push_back(0);
            const int width = font->getStringWidth(line.data());
            if (width > field.getWidth()) {
                found.push_back(overwide("line \"" + test::utf8(line.data()) + "\"", width, field.getWidth()));
            }
            line.clear();
            if (*c == 0) {
                break;
            }
        } else {
            line.push_back(*c);
        }
    }
    if (field.getTextHeight() > room) {
        found.push_back(overwide("the lines' height", field.getTextHeight(), room));
    }
}

// The texts the walk over the fields does not see: button labels and the question's lines.
void checkOwnTexts(quillon::Screen& screen, std::vector<std::string>& found)
{
    if (auto* question = dynamic_cast<GasConsumptionDetectionImprovView*>(&screen)) {
        checkButtonLabel(question->getYesButton(), found);
        checkButtonLabel(question->getNoButton(), found);
        // The question may use the panel from its top inset down to the buttons, and its
        // field must hold all its lines: the field cuts what runs past it.
        const int room = question->getYesButton().getY() - question->getQuestion().getY();
        checkLines(question->getQuestion(), std::min<int>(room, question->getQuestion().getHeight()), found);
    }
    if (auto* readings = dynamic_cast<InputGasMeterReadingView*>(&screen)) {
        checkButtonLabel(readings->getMoveButton(), found);
        checkButtonLabel(readings->getChangeButton(), found);
        checkLeftOf(readings->getReadingHeading(), readings->getMoveButton(), "the reading heading", found);
        checkLeftOf(readings->getDateHeading(), readings->getReadingHeading(), "the date heading", found);
        for (std::uint8_t row = 0; row < 2; ++row) {
            checkLeftOf(readings->getRowLabel(row), readings->getRowValue(row), "a row label", found);
            checkLeftOf(readings->getRowLabel(row), readings->getEntryField(), "a row label", found);
        }
    }
    if (auto* quality = dynamic_cast<InputGasQualityView*>(&screen)) {
        checkLeftOf(quality->getLabel(0), quality->getField(0), "the calorific value's label", found);
        checkLeftOf(quality->getLabel(1), quality->getField(1), "the correction factor's label", found);
        checkLeftOf(quality->getField(0), quality->getUnit(), "the calorific value", found);
        const quillon::Rectangle unit = quality->getUnit().getAbsoluteRect();
        if (unit.x + quality->getUnit().getTextWidth() > 800) {
            found.push_back("the unit runs off the screen");
        }
    }
}

class GasPreview : public ::testing::Test, public test::GasBed
{
};

// Every arrangement of the gas screens in every language: no text wider than its field, and a
// picture to look at.
TEST_F(GasPreview, EveryScreenInEveryLanguage)
{
    app.bed.frame().setCounting(false);
    struct State
    {
        const char* name;
        void (*reach)(GasPreview&);
    };
    const State states[] = {
        {"gas-question", [](GasPreview& t) {
             t.storeReadings(0, 0, 0, 0, 0, 0);
             t.openFromMenu(t.pages().gasDetectionImprovPage);
         }},
        {"gas-reading-none", [](GasPreview& t) {
             t.storeReadings(0, 0, 0, 0, 0, 0);
             t.openFromMenu(t.pages().gasMeterReadingPage);
         }},
        {"gas-reading-first", [](GasPreview& t) {
             t.storeReadings(1234567, 1700000000u, 10, 0, 0, 0);
             t.openFromMenu(t.pages().gasMeterReadingPage);
         }},
        {"gas-reading-both", [](GasPreview& t) {
             t.storeReadings(1234567, 1700000000u, 10, 2345678, 1710000000u, 20);
             t.openFromMenu(t.pages().gasMeterReadingPage);
         }},
        {"gas-reading-moved", [](GasPreview& t) {
             t.storeReadings(1234567, 1700000000u, 10, 2345678, 1710000000u, 20);
             t.openFromMenu(t.pages().gasMeterReadingPage);
             t.clickOn(t.app.screen<InputGasMeterReadingView>()->getMoveButton());
         }},
        {"gas-reading-change", [](GasPreview& t) {
             t.storeReadings(1234567, 1700000000u, 10, 2345678, 1710000000u, 20);
             t.openFromMenu(t.pages().gasMeterReadingPage);
             t.clickOn(t.app.screen<InputGasMeterReadingView>()->getChangeButton());
         }},
        {"gas-reading-keyboard", [](GasPreview& t) {
             t.storeReadings(0, 0, 0, 0, 0, 0);
             t.openFromMenu(t.pages().gasMeterReadingPage);
             t.clickOn(t.app.screen<InputGasMeterReadingView>()->getEntryField());
             t.typeDigits("4711");
         }},
        {"gas-quality", [](GasPreview& t) { t.openFromMenu(t.pages().gasQualityPage); }},
        {"gas-quality-keyboard", [](GasPreview& t) {
             t.openFromMenu(t.pages().gasQualityPage);
             t.clickOn(t.app.screen<InputGasQualityView>()->getField(1));
         }},
    };
    for (int language = 0; language < 10; ++language) {
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        for (const State& state : states) {
            const std::string name = std::string(state.name) + "-" + LANGUAGES[language];
            SCOPED_TRACE(name);
            state.reach(*this);
            app.bed.ticks(2);
            quillon::Screen* screen = app.app.getCurrentScreen();
            ASSERT_NE(screen, nullptr);
            std::vector<std::string> found = test::overwideTexts(screen->getRootContainer());
            checkOwnTexts(*screen, found);
            EXPECT_EQ(found, std::vector<std::string>{});
            EXPECT_TRUE(test::writePreview(app, "gas", name));
        }
    }
}
} // namespace
