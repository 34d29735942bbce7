#include "gui/popups/GasSensorSecurityWarningPopup.hpp"

#include "gui/popups/PopupId.hpp"
#include "gui/popups/PopupLayout.hpp"
#include "gui/popups/PopupSystem.hpp"
#include "gui/shell/ShellContext.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const QuestionPopup::Look LOOK = {PopupLayout::RED_FRAME, 1089, 120, PopupLayout::BUTTON_Y, false};
const quillon::TextId QUESTION = 958;
const int16_t QUESTION_Y = 190;
const uint8_t QUESTION_LINES = 2;
const quillon::FontId DISPLAY_FONT = 2;
const QuestionPopup::Wrap WRAP = {QUESTION, QUESTION_LINES, DISPLAY_FONT, QUESTION_Y, QUESTION_LINES, true, false};
const int16_t UNBOUND_WIDTH = 660;
const uint16_t UNBOUND_LINES = 3;
} // namespace

GasSensorSecurityWarningPopup::GasSensorSecurityWarningPopup(uint16_t popupId)
    : QuestionPopup(popupId, LOOK), messageBuffer()
{
    setWrap(WRAP, messageBuffer, BUFFER_SIZE);
    messageText.setTextId(quillon::TypedText(QUESTION));
    messageText.setPosition((Popup::WIDTH - UNBOUND_WIDTH) / 2, QUESTION_Y, UNBOUND_WIDTH,
                            static_cast<int16_t>(UNBOUND_LINES * messageText.getTextHeight()));
}

void GasSensorSecurityWarningPopup::answered(bool)
{
    popupManager->close(popupId);
    ShellContext* context = ShellContext::running();
    if (context == nullptr) {
        return;
    }
    if (context->popupSystem->getData().startFlueGasCheck()) {
        popupManager->close(POPUP_ABGAS_SENSOR);
        popupManager->show(POPUP_ABGAS_SENSOR, 1);
    } else {
        popupManager->show(POPUP_ADVANCED_WIZARD, 1);
    }
}
