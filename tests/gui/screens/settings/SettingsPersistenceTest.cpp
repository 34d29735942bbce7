#include "SettingsBed.hpp"

#include "gui/screens/contact/ContactDataShowView.hpp"
#include "gui/screens/menu/HCSelectionView.hpp"
#include "gui/screens/settings/SettingsBrightnessNormalView.hpp"
#include "gui/screens/settings/SettingsBuzzerView.hpp"
#include "gui/screens/settings/SettingsContactDataView.hpp"
#include "gui/screens/settings/SettingsHeatingCircuitNameView.hpp"
#include "gui/screens/settings/SettingsLanguageView.hpp"

#include <quillon/LanguageTable.hpp>

namespace settings_test
{
namespace
{
// Every setting of these screens accepted once as a user would, then read back: within the
// run, after a restart over the board's EEPROM (which keeps no write), and after a restart
// over an EEPROM that keeps them.
class SettingsLast : public SettingsBed
{
protected:
    void SetUp() override
    {
        SettingsBed::SetUp();
        presentOnly({0, 1, 2, 7});
    }
    void TearDown() override
    {
        model::SettingsStorage& store = model::SettingsStorage::getInstance();
        store.usePages(model::SettingsStorage::boardPages());
        store.init();
        SettingsBed::TearDown();
    }

    void stepDown(const guicontrols::SpinBox& box, int steps)
    {
        for (int i = 0; i < steps; ++i) {
            tap(box.getDownButton());
        }
    }

    // Brightness 70, standby 30, no beep, a contact name, circuit 2 "attic", then Polish.
    void acceptAsAUser()
    {
        openSettingsMenu();
        tapMenuItem(u"Screen");
        tapMenuItem(u"Brightness control");
        stepDown(app.screen<SettingsBrightnessView>()->getBacklightEdit().getSpinBox(), 2);
        tapBottomButton(5);
        tapBottomButton(5); // the feedback ends at once
        tapMenuItem(u"Brightness standby");
        tap(app.screen<SettingsBrightnessView>()->getBacklightEdit().getSpinBox().getUpButton());
        tap(app.screen<SettingsBrightnessView>()->getBacklightEdit().getSpinBox().getUpButton());
        tapBottomButton(5);
        tapBottomButton(5);
        tapBottomButton(GenericView::BACK_BUTTON);

        tapMenuItem(u"Buzzer");
        tap(app.screen<SettingsBuzzerView>()->getTileSelector().getTile(SettingsBuzzerView::OFF_TILE));
        tapBottomButton(5);

        tapMenuItem(u"Input service contact details");
        SettingsContactDataView* contact = app.screen<SettingsContactDataView>();
        ASSERT_NE(contact, nullptr);
        tap(contact->getRow(0).getField());
        type(dynamic_cast<const guicontrols::CustomKeyboard&>(contact->getKeyboardMode().getKeyboard()), u"meier");
        tapBottomButton(KeyboardViewMode::ACCEPT_BUTTON);
        tapBottomButton(5);
        tapBottomButton(5);
        ASSERT_EQ(shownPage(), 14);

        tapMenuItem(u"Renaming the heating circuits");
        tap(app.screen<HCSelectionView>()->getTile(1));
        const guicontrols::CustomKeyboard& keyboard = app.screen<SettingsHeatingCircuitNameView>()->getKeyboard();
        erase(keyboard, 17);
        type(keyboard, u"attic");
        tapBottomButton(5);
        tapBottomButton(5);
        tapBottomButton(GenericView::BACK_BUTTON);
        ASSERT_EQ(shownPage(), 14);

        if (app.screen<MenuView>()->getTile(0).getAbsoluteRect().x < 0) {
            tapBottomButton(GenericView::SCROLL_BACK_BUTTON);
        }
        tapMenuItem(u"Language");
        tap(app.screen<SettingsLanguageView>()->getTile(5));
        tapBottomButton(5);
        ASSERT_EQ(quillon::LanguageTable::getLanguage(), 5);
    }

    std::u16string contactName()
    {
        app.open(app.pages().mainMenuPage);
        app.open(app.pages().contactDataShowPage);
        ContactDataShowView* view = app.screen<ContactDataShowView>();
        return view != nullptr ? str(view->getBaseItem(0).getSecondTextField().getText()) : u"<no screen>";
    }
    std::u16string circuitTile(uint8_t index)
    {
        app.open(app.pages().mainMenuPage);
        app.open(app.pages().circuitNameSelectionPage);
        HCSelectionView* view = app.screen<HCSelectionView>();
        return view != nullptr ? str(view->getTile(index).getText()) : u"<no screen>";
    }
    // Stores and screens agree on what was accepted.
    void expectAccepted()
    {
        EXPECT_EQ(settings().normalLight.get(), 70);
        EXPECT_EQ(settings().standbyLight.get(), 30);
        EXPECT_EQ(settings().buzzer.get(), 0);
        EXPECT_EQ(settings().language.get(), 5u);
        EXPECT_EQ(quillon::LanguageTable::getLanguage(), 5);
        EXPECT_EQ(backlight(), 70);
        app.app.setDimmed(true);
        EXPECT_EQ(backlight(), 30);
        app.app.setDimmed(false);
        testing::internal::CaptureStdout();
        app.bed.click(10, 100);
        app.bed.ticks(1);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

        app.open(app.pages().mainMenuPage);
        app.open(app.pages().brightnessNormalPage);
        EXPECT_EQ(app.screen<SettingsBrightnessView>()->getBacklightEdit().getValue(), 70);
        app.open(app.pages().buzzerPage);
        EXPECT_TRUE(app.screen<SettingsBuzzerView>()->getTileSelector().getTile(SettingsBuzzerView::OFF_TILE).isChecked());
        app.open(app.pages().languagePage);
        EXPECT_TRUE(app.screen<SettingsLanguageView>()->getTile(5).isChecked());
        EXPECT_FALSE(app.screen<SettingsLanguageView>()->getTile(1).isChecked());
        EXPECT_EQ(contactName(), u"meier");
        EXPECT_EQ(circuitTile(1), u"attic");
    }
};

TEST_F(SettingsLast, WithinARunEveryAcceptedSettingIsReadBack)
{
    acceptAsAUser();
    expectAccepted();
}

TEST_F(SettingsLast, ARestartOverTheBoardsEepromBringsTheDefaultsBack)
{
    acceptAsAUser();
    restart();
    EXPECT_EQ(settings().normalLight.get(), 90);
    EXPECT_EQ(settings().standbyLight.get(), 10);
    EXPECT_EQ(settings().buzzer.get(), 1);
    EXPECT_EQ(settings().language.get(), 0u);
    EXPECT_EQ(quillon::LanguageTable::getLanguage(), 0); // German, the default
    EXPECT_EQ(backlight(), 90);
    app.bed.setLanguage(quillon::LANGUAGE_ENGLISH);
    EXPECT_EQ(contactName(), u"");
    EXPECT_EQ(circuitTile(1), u"Heating circuit 2");
}

TEST_F(SettingsLast, ARestartOverAnEepromThatKeepsWritesReadsEverySettingBack)
{
    model::SettingsStorage& store = model::SettingsStorage::getInstance();
    std::memset(KeptPages::image(), 0, sizeof(KeptPages::image()));
    store.usePages(KeptPages::pages());
    store.init();
    acceptAsAUser();
    restart();
    presentOnly({0, 1, 2, 7});
    expectAccepted();
}
} // namespace
} // namespace settings_test
