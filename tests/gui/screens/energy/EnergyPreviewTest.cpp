#include "EnergyBed.hpp"

#include "support/screen/TextFit.hpp"

#include "gui/screens/energy/BoilerDetailsMainView.hpp"
#include "gui/screens/energy/BufferLoadView.hpp"
#include "gui/screens/energy/EnergyBalanceNoteView.hpp"
#include "gui/screens/energy/EnergyCockpitView.hpp"
#include "guicontrols/EnergyCockpitBufferLoad.hpp"

#include "guicontrols/Gallery.hpp"

#include <quillon/TypedText.hpp>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

namespace
{
const char* const LANGUAGES[10] = {"de", "en", "fr", "da", "nl", "pl", "it", "cs", "sk", "sv"};

void writePreview(test::EnergyBed& energy, const std::string& name)
{
    std::vector<quillon::Color> pixels = energy.app.bed.frame().pixels();
    mkdir("widget-gallery", 0755);
    mkdir("screen-previews", 0755);
    mkdir("screen-previews/energy", 0755);
    EXPECT_TRUE(guicontrols::test::writeGalleryPng("../screen-previews/energy/" + name, 800, 480, pixels));
}

std::string overwide(const std::string& what, int width, int room)
{
    return what + " is " + std::to_string(width) + " px wide in " + std::to_string(room) + " px";
}

// The texts the screens draw inside their own widgets, which the field walk does not see.
void checkOwnTexts(quillon::Screen& screen, std::vector<std::string>& found)
{
    if (auto* note = dynamic_cast<EnergyBalanceNoteView*>(&screen)) {
        for (const quillon::ButtonWithLabel* button : {&note->getOkButton(), &note->getCancelButton()}) {
            const quillon::TypedText label = button->getLabelText();
            const int width = label.getFont()->getStringWidth(label.getText());
            if (width > button->getWidth() - 10) {
                found.push_back(overwide("a button label", width, button->getWidth() - 10));
            }
        }
    }
    if (auto* details = dynamic_cast<BoilerDetailsMainView*>(&screen)) {
        // The line's text starts 25 px in; as much is kept free on the right.
        for (std::uint32_t line = 0; line < 2; ++line) {
            const guicontrols::LongButton& button = details->getButtonLine(line).getButton();
            const int width = quillon::TypedText(line == 0 ? 948 : 1129).getFont()->getStringWidth(button.getText());
            if (width > button.getWidth() - 50) {
                found.push_back(overwide("a button line", width, button.getWidth() - 50));
            }
        }
    }
    if (auto* cockpit = dynamic_cast<EnergyCockpitView*>(&screen)) {
        if (cockpit->isShown(cockpit->getChargeGadget())) {
            const quillon::TypedText caption(1022);
            const int width = caption.getFont()->getStringWidth(caption.getText());
            if (width > guicontrols::EnergyCockpitBufferLoad::captionBand().width) {
                found.push_back(overwide("the charge-state caption", width,
                                         guicontrols::EnergyCockpitBufferLoad::captionBand().width));
            }
        }
    }
}

class EnergyPreview : public ::testing::Test, public test::EnergyBed
{
};

// Every screen of the family and every arrangement in every language: no text wider than
// its field, and a picture to look at.
TEST_F(EnergyPreview, EveryScreenInEveryLanguage)
{
    app.bed.frame().setCounting(false); // pictures and text fits only: no write counts
    struct Road
    {
        const char* name;
        pagemanager::Page* page;
        std::initializer_list<std::uint32_t> flags;
        bool help = false; // the help page of the screen
    };
    const Road roads[] = {
        {"cockpit-solar-buffer", &pages().energyCockpitPage, {57, 9, 28, 61}},
        {"cockpit-solar-tank", &pages().energyCockpitPage, {57, 9, 26, 64}},
        {"cockpit-no-hot-water", &pages().energyCockpitPage, {57}},
        {"cockpit-variant-2", &pages().energyCockpitPage, {58, 9}},
        {"cockpit-variant-3", &pages().energyCockpitPage, {59, 28}},
        {"cockpit-variant-4", &pages().energyCockpitPage, {60, 9, 26, 64}},
        {"cockpit-solar-help", &pages().energyCockpitPage, {57, 9, 26, 64}, true},
        {"buffer-three-zones", &pages().bufferLoadPage, {60}},
        {"buffer-three-zones-help", &pages().bufferLoadPage, {60}, true},
        {"buffer-two-zones", &pages().bufferLoadPage, {57}},
        {"buffer-boiler-on-cylinder", &pages().bufferLoadPage, {58}},
        {"buffer-boiler-on-cylinder-solar", &pages().bufferLoadPage, {59}},
        {"buffer-single", &pages().bufferLoadPage, {57, 61}},
        {"buffer-two-temperatures", &pages().bufferLoadPage, {57, 63, 26}},
        {"one-time-charge", &pages().bufferLoadOneTimeChargePage, {60}},
        {"boiler-details", &pages().boilerDetailsPage, {60}},
        {"energy-note", &pages().energyBalanceNotePage, {60}},
    };
    app.bed.deviceSends(test::NOTE_CONFIRMED, std::uint8_t{0});
    for (int language = 0; language < 10; ++language) {
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        for (const Road& road : roads) {
            const std::string name = std::string(road.name) + "-" + LANGUAGES[language];
            SCOPED_TRACE(name);
            fromHome(*road.page, road.flags);
            if (road.help) {
                clickBottomButton(app.screen<GenericView>()->getBottomBar(), GenericView::HELP_BUTTON);
            }
            quillon::Screen* screen = app.app.getCurrentScreen();
            ASSERT_NE(screen, nullptr);
            ASSERT_EQ(current(), road.page);
            std::vector<std::string> found = test::overwideTexts(screen->getRootContainer());
            checkOwnTexts(*screen, found);
            EXPECT_TRUE(found.empty()) << (found.empty() ? "" : found.front());
            writePreview(*this, name);
        }
    }
}
} // namespace
