#include "gui/popups/SchemeTimeoutPopup.hpp"

#include "gui/app/FrontendApplication.hpp"
#include "gui/popups/PopupLayout.hpp"

namespace
{
// The title field shows the wrapped note; the question is the message.
const quillon::TextId NOTE = 1091;
const QuestionPopup::Look LOOK = {PopupLayout::ORANGE_FRAME, NOTE, PopupLayout::TITLE_Y, PopupLayout::PAIR_Y, true};
const uint8_t NOTE_LINES = 3;
const uint16_t NOTE_HEIGHT_LINES = 2;
const quillon::FontId NOTE_FONT = 20;
const quillon::TextId QUESTION = 1040;
const int16_t QUESTION_Y = 195;
} // namespace

SchemeTimeoutPopup::SchemeTimeoutPopup(uint16_t popupId) : QuestionPopup(popupId, LOOK), messageBuffer()
{
    PopupLayout::placeText(messageText, QUESTION, QUESTION_Y);
}

void SchemeTimeoutPopup::bind(PopupData&)
{
    PopupLayout::showWrapped(titleText, messageBuffer, BUFFER_SIZE, NOTE, NOTE_LINES, NOTE_FONT, PopupLayout::TITLE_Y,
                             static_cast<uint16_t>(NOTE_HEIGHT_LINES * PopupLayout::lineHeight(NOTE_FONT)));
    PopupLayout::fitHeight(messageText);
}

void SchemeTimeoutPopup::answered(bool yes)
{
    FrontendApplication* application = PopupLayout::runningApplication();
    if (application == nullptr) {
        return;
    }
    if (yes) {
        close();
    } else {
        application->getPageManager().goTo(&application->getPages().wizardReportMenuPage, false);
    }
    popupManager->close(popupId);
    close();
}
