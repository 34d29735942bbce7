#include "gui/popups/AdvancedWizardPopup.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/popups/PopupId.hpp"
#include "gui/popups/PopupLayout.hpp"
#include "gui/popups/PopupSystem.hpp"
#include "gui/shell/ShellContext.hpp"

namespace
{
const QuestionPopup::Look LOOK = {PopupLayout::ORANGE_FRAME, 1088, PopupLayout::TITLE_Y, PopupLayout::PAIR_Y, true};
const quillon::TextId QUESTION = 1175;
const int16_t QUESTION_Y = 175;
const uint8_t QUESTION_LINES = 2;
const QuestionPopup::Wrap WRAP = {QUESTION, QUESTION_LINES, PopupLayout::WRAP_FONT, QUESTION_Y, QUESTION_LINES, true,
                                  false};
} // namespace

AdvancedWizardPopup::AdvancedWizardPopup(uint16_t popupId) : QuestionPopup(popupId, LOOK), messageBuffer()
{
    setWrap(WRAP, messageBuffer, BUFFER_SIZE);
}

void AdvancedWizardPopup::answered(bool yes)
{
    ShellContext* context = ShellContext::running();
    if (context == nullptr) {
        return;
    }
    if (yes) {
        context->popupSystem->getManager().show(POPUP_DEVICES_SECURITY_WARNING, 1);
    } else {
        context->pageManager->goTo(&context->pages->wizardReportMenuPage, false);
    }
    popupManager->close(popupId);
    close();
}
