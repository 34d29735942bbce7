#include "gui/popups/SchemeTimeoutPopup.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/popups/PopupLayout.hpp"
#include "gui/shell/ShellContext.hpp"

namespace
{
// The title field shows the wrapped note; the question is the message.
const quillon::TextId NOTE = 1091;
const QuestionPopup::Look LOOK = {PopupLayout::ORANGE_FRAME, NOTE, PopupLayout::TITLE_Y, PopupLayout::PAIR_Y, true};
const uint8_t NOTE_LINES = 3;
const uint8_t NOTE_HEIGHT_LINES = 2;
const quillon::FontId NOTE_FONT = 20;
const QuestionPopup::Wrap WRAP = {NOTE, NOTE_LINES, NOTE_FONT, PopupLayout::TITLE_Y, NOTE_HEIGHT_LINES, false, true};
const quillon::TextId QUESTION = 1040;
const int16_t QUESTION_Y = 195;
} // namespace

SchemeTimeoutPopup::SchemeTimeoutPopup(uint16_t popupId) : QuestionPopup(popupId, LOOK), messageBuffer()
{
    setWrap(WRAP, messageBuffer, BUFFER_SIZE);
    PopupLayout::placeText(messageText, QUESTION, QUESTION_Y);
}

void SchemeTimeoutPopup::answered(bool yes)
{
    ShellContext* context = ShellContext::running();
    if (context == nullptr) {
        return;
    }
    if (yes) {
        close();
    } else {
        context->pageManager->goTo(&context->pages->wizardReportMenuPage, false);
    }
    popupManager->close(popupId);
    close();
}
