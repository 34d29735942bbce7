#include "gui/popups/MaximalThermalOutputPopup.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/popups/PopupLayout.hpp"
#include "gui/shell/ShellContext.hpp"

namespace
{
const QuestionPopup::Look LOOK = {PopupLayout::ORANGE_FRAME, QuestionPopup::NO_TITLE, 0, PopupLayout::PAIR_Y, true};
const quillon::TextId QUESTION = 1101;
const int16_t QUESTION_Y = 100;
const uint8_t QUESTION_LINES = 5;
const quillon::FontId DISPLAY_FONT = 2;
// No title: the question is measured in lines of its own font.
const QuestionPopup::Wrap WRAP = {QUESTION, QUESTION_LINES, DISPLAY_FONT, QUESTION_Y, QUESTION_LINES, false, false};
} // namespace

MaximalThermalOutputPopup::MaximalThermalOutputPopup(uint16_t popupId)
    : QuestionPopup(popupId, LOOK), messageBuffer()
{
    setWrap(WRAP, messageBuffer, BUFFER_SIZE);
}

void MaximalThermalOutputPopup::answered(bool yes)
{
    if (!yes) {
        popupManager->close(popupId);
        ShellContext* context = ShellContext::running();
        if (context != nullptr) {
            context->pageManager->back();
        }
    }
    close();
}
