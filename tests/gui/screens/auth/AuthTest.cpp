#include "gui/screens/auth/AuthView.hpp"
#include "support/screen/AppTestBed.hpp"
#include "support/screen/TextFit.hpp"
#include "../../../guicontrols/Gallery.hpp"

#include <quillon/TypedText.hpp>

#include <gtest/gtest.h>

#include <string>

namespace
{
std::u16string shown(const quillon::WideChar* text)
{
    std::u16string result;
    while (text != nullptr && *text != 0) {
        result.push_back(static_cast<char16_t>(*text++));
    }
    return result;
}

// A service page opened at the basic level: the page manager shows the password page.
class Password : public ::testing::Test
{
protected:
    Password()
    {
        app.bed.setLanguage(quillon::LANGUAGE_ENGLISH); // the stored language is German
        app.open(app.pages().mainPage, true);
        app.open(app.pages().solarPumpStatusPage);
        view = app.screen<AuthView>();
    }

    // Clicks the keys of an English letter page text.
    void type(const std::u16string& text)
    {
        const std::u16string layout = u"qwertyuiop asdfghjkl  zxcvbnm";
        for (char16_t c : text) {
            const size_t i = layout.find(c);
            ASSERT_NE(i, std::u16string::npos);
            app.bed.click(static_cast<int16_t>(4 + 72 * (i % 11) + 35),
                          static_cast<int16_t>(GenericView::TOP_BAR_HEIGHT + 110 + 72 * (i / 11) + 35));
        }
    }

    void press(int button) { app.bed.click(static_cast<int16_t>(button * 134 + 65), 445); }

    bool showsFeedback() { return view->getViewMode() == &view->getFeedbackMode(); }

    // The pixels of the keyboard's edit line, above its keys.
    std::vector<quillon::Color> editLinePixels()
    {
        return app.bed.frame().pixels(quillon::Rectangle(0, GenericView::TOP_BAR_HEIGHT, 800, 110));
    }

    test::AppTestBed app;
    AuthView* view = nullptr;
};

TEST_F(Password, ShowsTitleKeyboardAndOkButNoServiceNotice)
{
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(shown(view->getTopBar().getTitleField().getText()), shown(quillon::TypedText(1056).getText()));
    EXPECT_EQ(view->getKeyboard().getMaxLength(), 16);
    EXPECT_EQ(view->getBottomBar().getButton(5).getIcon().getId(), 210);
    EXPECT_EQ(view->getKeyboard().getRect(), quillon::Rectangle(0, 0, 800, 337));
    common_info status = {};
    status.bytes[0] = 0x80; // the device reports a service notice
    app.bed.deviceSends(288, status);
    app.bed.ticks(2);
    EXPECT_TRUE(view->isServiceNoticePending());
    EXPECT_EQ(view->getBottomBar().getButton(GenericView::SERVICE_NOTICE_BUTTON).getIcon().getId(), quillon::BITMAP_NONE);
    type(u"qwertyuiopasdfghjkl"); // 19 letters: the 17th on are ignored
    EXPECT_EQ(shown(view->getKeyboard().getText()), u"qwertyuiopasdfgh");
}

TEST_F(Password, ThreeWrongThenTheRightOneOpensTheServicePage)
{
    ASSERT_NE(view, nullptr);
    app.bed.ticks(1);
    const std::vector<quillon::Color> emptyLine = editLinePixels();
    int feedbacks = 0;
    for (const std::u16string& attempt : {std::u16string(), std::u16string(u"plove"), std::u16string(u"qwerty")}) {
        SCOPED_TRACE(std::string(attempt.begin(), attempt.end()));
        type(attempt);
        app.bed.ticks(1);
        EXPECT_EQ(shown(view->getKeyboard().getText()), attempt);
        EXPECT_EQ(editLinePixels() == emptyLine, attempt.empty()); // the typed text shows
        press(AuthView::OK_BUTTON);
        app.bed.ticks(1);
        ASSERT_EQ(app.screen<AuthView>(), view);
        if (showsFeedback()) {
            ++feedbacks;
            EXPECT_EQ(shown(view->getFeedbackMode().getMessageField().getText()), shown(quillon::TypedText(1572).getText()));
            EXPECT_EQ(shown(view->getFeedbackMode().getMessageField().getText()), u"Access denied");
            // The message's frame, not the keyboard, on the screen.
            const guicontrols::Frame& frame = view->getFeedbackMode().getFrame();
            EXPECT_EQ(app.bed.frame().at(400, GenericView::TOP_BAR_HEIGHT + 20), frame.getColor());
        }
        app.bed.ticks(260); // the message ends by itself
        EXPECT_FALSE(showsFeedback());
        EXPECT_EQ(shown(view->getKeyboard().getText()), u"");
        EXPECT_EQ(editLinePixels(), emptyLine); // the empty keyboard again
        EXPECT_TRUE(app.pageManager().isPasswordPending());
    }
    EXPECT_EQ(feedbacks, 3);
    type(u"plover");
    press(AuthView::OK_BUTTON);
    app.bed.ticks(1);
    EXPECT_EQ(app.app.getShownPageId(), 59);
    EXPECT_FALSE(app.pageManager().isPasswordPending());
}

TEST_F(Password, BackReturnsBelowTheProtectedPage)
{
    ASSERT_NE(view, nullptr);
    type(u"plo");
    press(GenericView::BACK_BUTTON);
    app.bed.ticks(1);
    EXPECT_EQ(app.app.getShownPageId(), 51);
    EXPECT_FALSE(app.pageManager().isPasswordPending());
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().mainPage);
}

TEST_F(Password, PreviewsInEveryLanguage)
{
    ASSERT_NE(view, nullptr);
    for (quillon::LanguageId language = 0; language < 10; ++language) {
        SCOPED_TRACE(language);
        app.bed.setLanguage(language);
        app.pageManager().back(); // and in again: rebuilt in the language
        app.bed.ticks(1);
        app.open(app.pages().solarPumpStatusPage);
        AuthView* shownView = app.screen<AuthView>();
        ASSERT_NE(shownView, nullptr);
        type(u"a");
        app.bed.ticks(1);
        EXPECT_EQ(test::overwideTexts(shownView->getRootContainer()), std::vector<std::string>());
        std::vector<quillon::Color> pixels = app.bed.frame().pixels();
        EXPECT_TRUE(guicontrols::test::writeGalleryPng("screen-auth-" + std::to_string(language), 800, 480, pixels));
    }
    app.bed.setLanguage(1);
}
} // namespace
