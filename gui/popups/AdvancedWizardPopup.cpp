#include "gui/popups/AdvancedWizardPopup.hpp"

#include "gui/app/FrontendApplication.hpp"
#include "gui/popups/PopupId.hpp"
#include "gui/popups/PopupLayout.hpp"

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
    FrontendApplication* application = PopupLayout::runningApplication();
    if (application == nullptr) {
        return;
    }
    if (yes) {
        application->getPopupSystem().getManager().show(POPUP_DEVICES_SECURITY_WARNING, 1);
    } else {
        application->getPageManager().goTo(&application->getPages().wizardReportMenuPage, false);
    }
    popupManager->close(popupId);
    close();
}
