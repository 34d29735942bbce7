#include "gui/popups/DevicesSecurityWarningPopup.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/popups/PopupLayout.hpp"
#include "gui/shell/ShellContext.hpp"

namespace
{
const QuestionPopup::Look LOOK = {PopupLayout::RED_FRAME, 1089, PopupLayout::TITLE_Y, PopupLayout::PAIR_Y, false};
const quillon::TextId QUESTION = 957;
const int16_t QUESTION_Y = 175;
const uint8_t QUESTION_LINES = 3;
const QuestionPopup::Wrap WRAP = {QUESTION, QUESTION_LINES, PopupLayout::WRAP_FONT, QUESTION_Y, QUESTION_LINES, true,
                                  false};
} // namespace

DevicesSecurityWarningPopup::DevicesSecurityWarningPopup(uint16_t popupId)
    : QuestionPopup(popupId, LOOK), messageBuffer()
{
    setWrap(WRAP, messageBuffer, BUFFER_SIZE);
}

void DevicesSecurityWarningPopup::answered(bool)
{
    ShellContext* context = ShellContext::running();
    if (context == nullptr) {
        return;
    }
    context->pageManager->goTo(&context->pages->wizardDetectedDevicesPage, true);
    popupManager->close(popupId);
    close();
}
