#include "SettingsBed.hpp"

#include "gui/screens/settings/SettingsContactDataView.hpp"

namespace settings_test
{
namespace
{
const std::uint16_t SETTINGS_MENU = 14;

class ContactData : public SettingsBed
{
protected:
    SettingsContactDataView& open()
    {
        openSettingsMenu();
        tapMenuItem(u"Input service contact details");
        SettingsContactDataView* view = app.screen<SettingsContactDataView>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    const guicontrols::CustomKeyboard& keyboard(SettingsContactDataView& view)
    {
        return dynamic_cast<const guicontrols::CustomKeyboard&>(view.getKeyboardMode().getKeyboard());
    }
    // Touches the row's field, types, and ends the keyboard with button 5 (accept) or 1.
    void edit(SettingsContactDataView& view, uint8_t row, const std::u16string& letters, uint8_t endButton)
    {
        tap(view.getRow(row).getField());
        ASSERT_EQ(frame()->getViewMode(), &view.getKeyboardMode());
        type(keyboard(view), letters);
        tapBottomButton(endButton);
        ASSERT_EQ(frame()->getViewMode(), static_cast<IViewMode*>(&view));
    }
    std::vector<std::u16string> rows(SettingsContactDataView& view)
    {
        std::vector<std::u16string> texts;
        for (uint8_t row = 0; row < 4; ++row) {
            texts.push_back(str(view.getRow(row).getText()));
        }
        return texts;
    }
    std::vector<std::u16string> stored()
    {
        return {str(settings().name.get()), str(settings().telephone.get()), str(settings().mobile.get()),
                str(settings().email.get())};
    }
};

TEST_F(ContactData, FourEmptyFieldsUnderTheirLabelsByDefault)
{
    SettingsContactDataView& view = open();
    EXPECT_EQ(title(), u"Service contact details");
    EXPECT_EQ(rows(view), std::vector<std::u16string>(4, u""));
    EXPECT_EQ(view.getEditedRow(), SettingsContactDataView::NO_ROW);
    for (uint8_t row = 0; row < 4; ++row) {
        const quillon::Rectangle field = view.getRow(row).getField().getAbsoluteRect();
        EXPECT_GE(field.y, 72);
        EXPECT_LE(field.y + field.height, 409); // all four in view
    }
}

TEST_F(ContactData, AnEditedRowWithoutTheScreensAcceptStoresNothing)
{
    SettingsContactDataView& view = open();
    edit(view, 1, u"abc", KeyboardViewMode::ACCEPT_BUTTON);
    EXPECT_EQ(rows(view), (std::vector<std::u16string>{u"", u"abc", u"", u""}));
    tapBottomButton(GenericView::BACK_BUTTON);
    EXPECT_EQ(shownPage(), SETTINGS_MENU);
    EXPECT_EQ(stored(), std::vector<std::u16string>(4, u""));
}

TEST_F(ContactData, CancellingTheKeyboardKeepsTheRow)
{
    settings().telephone.set(reinterpret_cast<const quillon::WideChar*>(u"0815"));
    SettingsContactDataView& view = open();
    EXPECT_EQ(rows(view)[1], u"0815");
    edit(view, 1, u"xyz", KeyboardViewMode::CANCEL_BUTTON);
    EXPECT_EQ(rows(view)[1], u"0815");
    tapBottomButton(5);
    EXPECT_EQ(stored()[1], u"0815");
}

// The four are stored in their order, the untouched ones with their old texts.
TEST_F(ContactData, AcceptStoresEveryRowInOrderConfirmsAndGoesBack)
{
    model::SettingsStorage& store = model::SettingsStorage::getInstance();
    std::memset(KeptPages::image(), 0, sizeof(KeptPages::image()));
    store.usePages(KeptPages::pages());
    store.init();
    settings().mobile.set(reinterpret_cast<const quillon::WideChar*>(u"0171"));
    KeptPages::written().clear();

    SettingsContactDataView& view = open();
    edit(view, 3, u"mail", KeyboardViewMode::ACCEPT_BUTTON);
    edit(view, 0, u"meier", KeyboardViewMode::ACCEPT_BUTTON);
    EXPECT_TRUE(KeptPages::written().empty()); // nothing before OK
    tapBottomButton(5);
    EXPECT_EQ(stored(), (std::vector<std::u16string>{u"meier", u"", u"0171", u"mail"}));
    EXPECT_EQ(KeptPages::written(), (std::vector<std::uint8_t>{model::SettingIds::NAME, model::SettingIds::EMAIL}));
    ASSERT_TRUE(feedbackShown());
    EXPECT_EQ(feedbackMessage(), u"Contact details accepted");
    app.bed.ticks(260);
    EXPECT_EQ(shownPage(), SETTINGS_MENU);

    store.usePages(model::SettingsStorage::boardPages());
    store.init();
}

TEST_F(ContactData, TheKeyboardTakes26Characters)
{
    SettingsContactDataView& view = open();
    tap(view.getRow(0).getField());
    type(keyboard(view), u"abcdefghijklmnopqrstuvwxyzq"); // one more than it holds
    EXPECT_EQ(str(view.getKeyboardMode().getText()), u"abcdefghijklmnopqrstuvwxyz");
    tapBottomButton(KeyboardViewMode::ACCEPT_BUTTON);
    EXPECT_EQ(rows(view)[0], u"abcdefghijklmnopqrstuvwxyz");
    tapBottomButton(5);
    EXPECT_EQ(stored()[0], u"abcdefghijklmnopqrstuvwxyz");
}
} // namespace
} // namespace settings_test
