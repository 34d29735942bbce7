#include "e2e/SimulatorWindow.hpp"

#include "support/screen/AppTestBed.hpp"

#include "gui/screens/contact/ContactDataShowView.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/settings/SettingsContactDataView.hpp"
#include "gui/screens/settings/SettingsLanguageView.hpp"

#include <quillon/LanguageTable.hpp>
#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

namespace e2e
{
namespace
{
// The program in its window and the same application drawn headlessly, driven alike: each
// touch goes to the middle of a widget of the headless screen and to the same point of the
// window, so the screenshots can be compared with the headless frames.
class SettingsWindow : public SimulatorWindow
{
protected:
    void touch(int16_t x, int16_t y)
    {
        mirror.bed.click(x, y);
        mirror.bed.ticks(3);
        click(x, y);
    }
    void touch(const quillon::Drawable& target)
    {
        const quillon::Rectangle r = target.getAbsoluteRect();
        touch(static_cast<int16_t>(r.x + r.width / 2), static_cast<int16_t>(r.y + r.height / 2));
    }
    void touchBottomButton(uint8_t index)
    {
        GenericView* view = dynamic_cast<GenericView*>(mirror.app.getCurrentScreen());
        ASSERT_NE(view, nullptr);
        touch(view->getBottomBar().getButton(index));
    }
    // The tile of the shown menu with the text's label in the language in use, paged to.
    void touchMenuItem(quillon::TextId label)
    {
        MenuView* menu = mirror.screen<MenuView>();
        ASSERT_NE(menu, nullptr) << "no menu shown";
        const quillon::WideChar* wanted = quillon::TypedText(label).getText();
        for (uint32_t i = 0; i < menu->getTileCount(); ++i) {
            if (quillon::WideString::strncmp(menu->getTile(i).getText(), wanted, 100) != 0) {
                continue;
            }
            while (menu->getTile(i).getAbsoluteRect().right() > SCREEN_WIDTH) {
                touchBottomButton(GenericView::SCROLL_ON_BUTTON);
            }
            touch(menu->getTile(i));
            return;
        }
        FAIL() << "no menu tile for text " << label;
    }
    Picture headless() { return pictureOf(mirror); }

    test::AppTestBed mirror;
};

const quillon::Rectangle TOP_BAR(0, 0, SCREEN_WIDTH, 72);
const quillon::Rectangle CONTENT(0, 72, SCREEN_WIDTH, 337);

TEST_F(SettingsWindow, PolishThenEnglishAndAContactNameShownUnderInformation)
{
    mirror.bed.ticks(1 + 1 + 250 + 2); // the splash, then the decided page
    ASSERT_TRUE(startProgram()) << "no window captioned \"Quillon simulator\"";
    waitPastSplash();

    // Menu, Settings, "Language", "Polski", accept: the settings menu in Polish.
    touch(40, 35);
    touchMenuItem(911);
    touchMenuItem(1118);
    SettingsLanguageView* language = mirror.screen<SettingsLanguageView>();
    ASSERT_NE(language, nullptr);
    touch(language->getTile(5));
    touchBottomButton(5);
    ASSERT_EQ(quillon::LanguageTable::getLanguage(), 5);
    ASSERT_NE(mirror.screen<MenuView>(), nullptr);
    Picture polish;
    ASSERT_TRUE(screenshot("img00.bmp", polish)) << "no readable screenshots/img00.bmp";
    const Picture polishMirror = headless();
    EXPECT_EQ(differingPixels(polish, polishMirror, TOP_BAR, true), 0) << "img00.bmp: no Polish settings title";
    EXPECT_EQ(differingPixels(polish, polishMirror, CONTENT, true), 0) << "img00.bmp: no Polish settings menu";

    // Back to English.
    touchMenuItem(1118);
    language = mirror.screen<SettingsLanguageView>();
    ASSERT_NE(language, nullptr);
    touch(language->getTile(1));
    touchBottomButton(5);
    ASSERT_EQ(quillon::LanguageTable::getLanguage(), quillon::LANGUAGE_ENGLISH);

    // "Input service contact details", a name typed on the keyboard, accept.
    touchMenuItem(907);
    SettingsContactDataView* contact = mirror.screen<SettingsContactDataView>();
    ASSERT_NE(contact, nullptr);
    touch(contact->getRow(0).getField());
    const guicontrols::CustomKeyboard& keyboard =
        dynamic_cast<const guicontrols::CustomKeyboard&>(contact->getKeyboardMode().getKeyboard());
    for (char16_t letter : std::u16string(u"meier")) {
        for (uint8_t i = 0; i < guicontrols::CustomKeyboard::CHARACTER_KEY_COUNT; ++i) {
            if (keyboard.getCharacterKey(i).getCharacter() == letter) {
                touch(keyboard.getCharacterKey(i));
                break;
            }
        }
    }
    touchBottomButton(KeyboardViewMode::ACCEPT_BUTTON);
    touchBottomButton(5);
    touchBottomButton(5); // the feedback ends on its button
    ASSERT_NE(mirror.screen<MenuView>(), nullptr);

    // Home, Menu, "Information", "Service contact details": the name.
    touchBottomButton(GenericView::HOME_BUTTON);
    touch(40, 35);
    touchMenuItem(996);
    touchMenuItem(1081);
    ContactDataShowView* shown = mirror.screen<ContactDataShowView>();
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(std::u16string(reinterpret_cast<const char16_t*>(shown->getBaseItem(0).getSecondTextField().getText())),
              u"meier");
    Picture information;
    ASSERT_TRUE(screenshot("img01.bmp", information)) << "no readable screenshots/img01.bmp";
    const Picture informationMirror = headless();
    EXPECT_EQ(differingPixels(information, informationMirror, TOP_BAR, true), 0) << "img01.bmp: not the contact page";
    EXPECT_EQ(differingPixels(information, informationMirror, CONTENT, true), 0) << "img01.bmp: the name is not shown";
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace
} // namespace e2e
