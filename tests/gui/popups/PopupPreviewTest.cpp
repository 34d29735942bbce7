#include "gui/popups/RealPopups.hpp"

#include "support/screen/TextFit.hpp"

#include <quillon/containers/Container.hpp>
#include <quillon/Callback.hpp>

#include <string>
#include <vector>

// Every popup in every language over a screen, written for review under
// screen-previews/popups/; no text wider than its field, no label wider than its button.
namespace popuptest
{
namespace
{
const char* const LANGUAGES[] = {"de", "en", "fr", "da", "nl", "pl", "it", "cs", "sk", "sv"};

// Button labels are not text fields: measured here against their buttons.
struct LabelWalker
{
    void visit(quillon::Drawable& d)
    {
        if (const auto* button = dynamic_cast<const quillon::ButtonWithLabel*>(&d)) {
            const quillon::TypedText label = button->getLabelText();
            if (label.hasValidId() && d.isVisible() && label.getWidth() > button->getWidth()) {
                found.push_back("label " + std::to_string(label.getId()) + " is " + std::to_string(label.getWidth()) +
                                " px wide on a button of " + std::to_string(button->getWidth()));
            }
        }
        if (auto* container = dynamic_cast<quillon::Container*>(&d)) {
            quillon::Callback<LabelWalker, quillon::Drawable&> each(this, &LabelWalker::visit);
            container->forEachChild(each);
        }
    }
    std::vector<std::string> found;
};

using PopupPreviews = RealPopups;

TEST_F(PopupPreviews, EveryPopupInEveryLanguageFitsItsTexts)
{
    app.bed.frame().setCounting(false); // pictures and text fits only: no write counts
    model::SettingsGroup& settings = app.bed.model().getGroups().settings;
    settings.name.set(reinterpret_cast<const quillon::WideChar*>(u"Heizungsbau Müller & Söhne"));
    settings.telephone.set(reinterpret_cast<const quillon::WideChar*>(u"+49 711 1234567"));
    app.bed.deviceSends(WINK_SUBSCRIBER, std::uint8_t{203});
    app.bed.deviceSends(BOILER_TEMPERATURE_STATUS, std::uint8_t{0});
    sendBoiler(0x10, 452);
    app.bed.deviceSends(LAN_STATE, std::uint32_t{8});
    for (int language = 0; language < 10; ++language) {
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        app.open(app.pages().mainPage); // the menu built anew in the language
        app.open(app.pages().mainMenuPage);
        cover();
        app.bed.ticks(2);
        for (std::uint16_t id = 0; id < POPUP_COUNT; ++id) {
            SCOPED_TRACE(std::string(LANGUAGES[language]) + " popup " + std::to_string(id));
            raise(id);
            app.bed.ticks(1);
            ASSERT_EQ(shown(), PopupFactory::getInstance()->getPopup(id));
            EXPECT_TRUE(test::writePreview(app, "popups", "popup-" + std::to_string(id) + "-" + LANGUAGES[language]));
            EXPECT_EQ(test::overwideTexts(*shown()), std::vector<std::string>{});
            LabelWalker labels;
            labels.visit(*shown());
            EXPECT_EQ(labels.found, std::vector<std::string>{});
            manager().close(id);
            app.bed.ticks(1);
        }
    }
    app.bed.setLanguage(1);
}
} // namespace
} // namespace popuptest
