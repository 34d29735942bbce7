#include "gui/popups/MaximalThermalOutputPopup.hpp"

#include "gui/app/FrontendApplication.hpp"
#include "gui/popups/PopupLayout.hpp"

namespace
{
const QuestionPopup::Look LOOK = {PopupLayout::ORANGE_FRAME, QuestionPopup::NO_TITLE, 0, PopupLayout::PAIR_Y, true};
const quillon::TextId QUESTION = 1101;
const int16_t QUESTION_Y = 100;
const uint8_t QUESTION_LINES = 5;
const quillon::FontId DISPLAY_FONT = 2;
} // namespace

MaximalThermalOutputPopup::MaximalThermalOutputPopup(uint16_t popupId)
    : QuestionPopup(popupId, LOOK), messageBuffer()
{
}

void MaximalThermalOutputPopup::bind(PopupData&)
{
    PopupLayout::showWrapped(messageText, messageBuffer, BUFFER_SIZE, QUESTION, QUESTION_LINES, DISPLAY_FONT,
                             QUESTION_Y, static_cast<uint16_t>(QUESTION_LINES * PopupLayout::lineHeight(DISPLAY_FONT)));
}

void MaximalThermalOutputPopup::answered(bool yes)
{
    if (!yes) {
        popupManager->close(popupId);
        FrontendApplication* application = PopupLayout::runningApplication();
        if (application != nullptr) {
            application->getPageManager().back();
        }
    }
    close();
}
