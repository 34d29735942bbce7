#include "FrameFixture.hpp"

#include "guicontrols/LiteralText.hpp"
#include "helpers/Text.hpp"
#include "model/records/StatusRecords.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/TypedText.hpp>

#include <functional>

namespace frametest
{
namespace
{
TEST_F(Frame, WideContentPagesWithTheScrollButtons)
{
    ModeView::contentWidth = 1530;
    ModeView& shownView = show();
    EXPECT_EQ(icon(GenericView::SCROLL_ON_BUTTON), 211);
    EXPECT_EQ(icon(GenericView::SCROLL_BACK_BUTTON), quillon::BITMAP_NONE);

    press(GenericView::SCROLL_ON_BUTTON);
    EXPECT_EQ(shownView.getContent().getX(), -730);
    EXPECT_EQ(icon(GenericView::SCROLL_BACK_BUTTON), 209);
    EXPECT_EQ(icon(GenericView::SCROLL_ON_BUTTON), quillon::BITMAP_NONE);
    EXPECT_EQ(icon(GenericView::BACK_BUTTON), 204); // the rest of the bar stays

    press(GenericView::SCROLL_BACK_BUTTON);
    EXPECT_EQ(shownView.getContent().getX(), 0);
    EXPECT_EQ(icon(GenericView::SCROLL_ON_BUTTON), 211);
    EXPECT_EQ(page(), lastPage());

    ModeView::contentWidth = 0; // content of the display's width: no scroll buttons
    show();
    EXPECT_EQ(icon(GenericView::SCROLL_ON_BUTTON), quillon::BITMAP_NONE);
    EXPECT_EQ(icon(GenericView::SCROLL_BACK_BUTTON), quillon::BITMAP_NONE);
}

TEST_F(Frame, ServiceNoticeAppearsAtOnceAndItsButtonOnlySignals)
{
    common_info status = {};
    bed.deviceSends(288, status);
    ModeView& shownView = show();
    EXPECT_FALSE(shownView.isServiceNoticePending());
    EXPECT_EQ(icon(GenericView::SERVICE_NOTICE_BUTTON), quillon::BITMAP_NONE);

    status.bytes[0] = 0x80; // the device's service notice
    bed.deviceSends(288, status);
    bed.ticks(1);
    EXPECT_EQ(icon(GenericView::SERVICE_NOTICE_BUTTON), 214);

    press(GenericView::SERVICE_NOTICE_BUTTON);
    EXPECT_EQ(page(), lastPage());
    EXPECT_EQ(shownView.getViewMode(), static_cast<const IViewMode*>(&shownView));

    status.bytes[0] = 0;
    status.bytes[1] = 0x01; // a service flag counts too
    bed.deviceSends(288, status);
    bed.ticks(1);
    EXPECT_EQ(icon(GenericView::SERVICE_NOTICE_BUTTON), 214);
    status.bytes[1] = 0x10; // the lock bit is no service flag
    bed.deviceSends(288, status);
    bed.ticks(1);
    EXPECT_EQ(icon(GenericView::SERVICE_NOTICE_BUTTON), quillon::BITMAP_NONE);
}

TEST_F(Frame, FeedbackClosesAfter250FramesAndGoesBack)
{
    ModeView& shownView = show();
    shownView.showFeedback(wide(u"Saved"));
    EXPECT_EQ(icon(FeedbackViewMode::CONTINUE_BUTTON), 210);
    EXPECT_EQ(shown(shownView.getFeedbackMode().getMessageField().getText()), u"Saved");
    bed.ticks(249);
    EXPECT_EQ(shownView.getViewMode(), &shownView.getFeedbackMode());
    EXPECT_EQ(page(), lastPage());
    bed.ticks(1);
    EXPECT_EQ(page(), &pages[1]);
}

TEST_F(Frame, FeedbackWithoutAutoCloseWaitsForItsButton)
{
    ModeView& shownView = show();
    shownView.getFeedbackMode().disableAutoClose();
    shownView.showFeedback(wide(u"Saved"));
    bed.ticks(600);
    for (uint8_t index : {0, 1, 2, 3, 4}) {
        shownView.getViewMode()->onBottomBarButton(index);
    }
    EXPECT_EQ(shownView.getViewMode(), &shownView.getFeedbackMode());
    EXPECT_EQ(page(), lastPage());
    press(FeedbackViewMode::CONTINUE_BUTTON);
    EXPECT_EQ(page(), &pages[1]);
}

TEST_F(Frame, TopRightTextShowsOnlyOnAViewWithoutATitle)
{
    for (bool titled : {true, false}) {
        SCOPED_TRACE(titled);
        ModeView::titled = titled;
        ModeView& shownView = show();
        shownView.showFeedback(wide(u"Saved"), nullptr, nullptr, wide(u"12:30"));
        const guicontrols::TextField& topRight = shownView.getFeedbackMode().getTopRightField();
        const bool inBar = topRight.getParent() == &shownView.getTopBar();
        EXPECT_EQ(inBar, !titled);
        if (!titled) {
            EXPECT_EQ(topRight.getX() + topRight.getWidth(), 780); // ends 20 pixels before the edge
            EXPECT_EQ(shown(topRight.getText()), u"12:30");
        }
    }
}

TEST_F(Frame, ConfirmReportsItsAnswerAndTheDefaultEndingGoesBack)
{
    struct Case
    {
        uint8_t button;
        uint8_t answer;
    };
    const Case cases[] = {{1, 0}, {5, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        pageManager.goTo(&pages[2], false);
        ModeView& shownView = show();
        shownView.showConfirm(wide(u"Sure?"));
        EXPECT_EQ(icon(1), 204);
        EXPECT_EQ(icon(5), 210);
        press(c.button);
        ASSERT_EQ(shownView.answers.size(), 1u);
        EXPECT_EQ(shownView.answers[0], c.answer);
        EXPECT_EQ(shownView.getConfirmMode().getResult(), c.answer);
        EXPECT_EQ(page(), &pages[1]);
    }
}

TEST_F(Frame, ButtonsWithoutAMeaningDoNothingInTheFrameModes)
{
    ModeView::helpText = wide(u"Some help");
    ModeView& shownView = show();
    auto showConfirm = [&] { shownView.showConfirm(wide(u"Sure?")); };
    auto showFeedback = [&] { shownView.showFeedback(wide(u"Saved")); };
    auto showHelp = [&] { shownView.showHelp(ModeView::helpText); };
    struct Case
    {
        std::function<void()> open;
        const IViewMode* mode;
    };
    const Case cases[] = {{showConfirm, &shownView.getConfirmMode()},
                          {showFeedback, &shownView.getFeedbackMode()},
                          {showHelp, &shownView.getHelpMode()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        c.open();
        for (uint8_t index : {0, 2, 3, 4}) {
            shownView.getViewMode()->onBottomBarButton(index);
        }
        EXPECT_EQ(shownView.getViewMode(), c.mode);
        EXPECT_TRUE(shownView.answers.empty());
        EXPECT_EQ(page(), lastPage());
    }
}

TEST_F(Frame, QuestionIsFormattedOnlyWithAFirstArgument)
{
    ModeView& shownView = show();
    auto question = [&] { return shown(shownView.getConfirmMode().getQuestionField().getText()); };

    shownView.showConfirm(wide(u"Reset %s?"));
    EXPECT_EQ(question(), u"Reset %s?"); // shown as it stands

    shownView.showConfirm(wide(u"Reset %s?"), wide(u"Burner starts"));
    EXPECT_EQ(question(), u"Reset Burner starts?");

    // A first argument longer than the text before the second placeholder: read from a
    // copy in the buffer, the format would already be overwritten there.
    shownView.showConfirm(wide(u"%s and %s"), wide(u"Burner starts and hours"), wide(u"pump"));
    EXPECT_EQ(question(), u"Burner starts and hours and pump");

    std::u16string longArgument(300, u'x');
    shownView.showConfirm(wide(u"%s!"), wide(longArgument.c_str()));
    EXPECT_EQ(question(), longArgument.substr(0, ConfirmViewMode::QUESTION_CAPACITY - 1));
}

TEST_F(Frame, FeedbackMessageIsFormattedWithItsArguments)
{
    ModeView& shownView = show();
    shownView.showFeedback(wide(u"%s to %s adopted"), wide(u"01.02.2026"), wide(u"03.02.2026"));
    EXPECT_EQ(shown(shownView.getFeedbackMode().getMessageField().getText()), u"01.02.2026 to 03.02.2026 adopted");
    shownView.showFeedback(wide(u"100%s"));
    EXPECT_EQ(shown(shownView.getFeedbackMode().getMessageField().getText()), u"100%s");
}

// A line of words in the help font whose width lies between the narrow and the wide wrap.
std::u16string lineBetweenTheWrapWidths()
{
    const quillon::Font* font = ApplicationFontProvider().getFont(13);
    const int16_t wideWidth = HelpViewMode::wideWrapWidth(800);
    const int16_t narrowWidth = HelpViewMode::narrowWrapWidth(800);
    std::u16string line = u"word";
    while (guicontrols::LiteralText::getWidth(font, wide(line.c_str())) <= narrowWidth) {
        line += u" word";
    }
    EXPECT_LT(guicontrols::LiteralText::getWidth(font, wide(line.c_str())), wideWidth);
    return line;
}

TEST_F(Frame, HelpIsWrappedAgainNarrowerPastNineLines)
{
    ModeView::helpText = wide(u"Some help");
    const std::u16string longLine = lineBetweenTheWrapWidths();
    struct Case
    {
        int shortLines;
        uint16_t expectedLines;
    };
    const Case cases[] = {
        {8, 9},   // 9 lines: the long line stays whole
        {9, 11},  // 10 lines: wrapped again, the long line breaks
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shortLines);
        std::u16string text = longLine;
        for (int i = 0; i < c.shortLines; ++i) {
            text += u"\nline";
        }
        ModeView& shownView = show();
        EXPECT_EQ(icon(GenericView::HELP_BUTTON), 207);
        ModeView::helpText = wide(text.c_str());
        press(GenericView::HELP_BUTTON);
        ASSERT_EQ(shownView.getViewMode(), &shownView.getHelpMode());
        EXPECT_EQ(helpers::countLines(shownView.getHelpMode().getWrappedText()), c.expectedLines);
        EXPECT_EQ(icon(HelpViewMode::BACK_BUTTON), 204);
        press(HelpViewMode::BACK_BUTTON);
        EXPECT_EQ(shownView.getViewMode(), static_cast<const IViewMode*>(&shownView));
        EXPECT_EQ(page(), lastPage()); // back from help is no navigation
        ModeView::helpText = wide(u"Some help");
    }
    ModeView::helpText = nullptr;
    show();
    EXPECT_EQ(icon(GenericView::HELP_BUTTON), quillon::BITMAP_NONE);
}

TEST_F(Frame, HelpClosesItselfAfterTwoMinutes)
{
    ModeView& shownView = show();
    shownView.showHelp(wide(u"Some help"));
    bed.ticks(7499);
    EXPECT_EQ(shownView.getViewMode(), &shownView.getHelpMode());
    bed.ticks(1);
    EXPECT_EQ(shownView.getViewMode(), static_cast<const IViewMode*>(&shownView));
    EXPECT_EQ(page(), lastPage());
}
} // namespace
} // namespace frametest
