#include "gui/screens/contact/ContactDataShowView.hpp"
#include "gui/screens/heating/ScreenDriving.hpp"

#include "support/TextReading.hpp"

#include <gtest/gtest.h>

namespace
{
using quillon::test::text;

class ContactScreen : public ::testing::Test
{
protected:
    void SetUp() override { app.bed.setLanguage(quillon::LANGUAGE_ENGLISH); }
    ContactDataShowView& open()
    {
        app.open(app.pages().mainMenuPage);
        app.open(app.pages().contactDataShowPage);
        app.bed.ticks(1);
        ContactDataShowView* view = app.screen<ContactDataShowView>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    std::u16string label(ContactDataShowView& v, std::uint32_t i) { return text(v.getBaseItem(i).getTextField().getText()); }
    std::u16string value(ContactDataShowView& v, std::uint32_t i) { return text(v.getBaseItem(i).getSecondTextField().getText()); }

    test::AppTestBed app;
};

TEST_F(ContactScreen, ShowsTheFourLinesEmptyOrStored)
{
    model::SettingsGroup& settings = app.bed.model().getGroups().settings;
    const std::u16string labels[] = {u"Name", u"Telephone", u"Mobile phone", u"Email"};
    {
        ContactDataShowView& view = open();
        ASSERT_EQ(view.getListControl().getCount(), 4u);
        for (std::uint32_t i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(label(view, i), labels[i]);
            EXPECT_EQ(value(view, i), u"");
        }
        EXPECT_EQ(text(view.getTitle()), u"Information Service contact details");
    }
    settings.name.set(reinterpret_cast<const quillon::WideChar*>(u"Hans Muster"));
    settings.email.set(reinterpret_cast<const quillon::WideChar*>(u"service@example.org"));
    ContactDataShowView& view = open();
    EXPECT_EQ(value(view, 0), u"Hans Muster");
    EXPECT_EQ(value(view, 1), u"");
    EXPECT_EQ(value(view, 3), u"service@example.org");
    settings.name.set(reinterpret_cast<const quillon::WideChar*>(u""));
    settings.email.set(reinterpret_cast<const quillon::WideChar*>(u""));
}

TEST_F(ContactScreen, OffersNoButtonsOfItsOwn)
{
    ContactDataShowView& view = open();
    for (std::uint8_t button = 2; button < 6; ++button) {
        SCOPED_TRACE(button);
        EXPECT_FALSE(view.getBottomBar().getButton(button).isTouchable());
    }
    EXPECT_TRUE(view.getBottomBar().getButton(GenericView::BACK_BUTTON).isTouchable());
}
} // namespace
