#include "gui/popups/FillingVentingPopup.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/popups/PopupLayout.hpp"
#include "gui/shell/ShellContext.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const QuestionPopup::Look LOOK = {PopupLayout::ORANGE_FRAME, 1163, PopupLayout::TITLE_Y, PopupLayout::PAIR_Y, true};
const quillon::TextId FILLING_QUESTION = 1099;
const quillon::TextId VENTING_QUESTION = 1100;
// Shown only if something put the popup on screen without binding it.
const quillon::TextId UNBOUND_TEXT = 811;
const int16_t QUESTION_Y = 200;
} // namespace

uint8_t FillingVentingPopup::fillingVentingMode = FillingVentingPopup::MODE_NONE;

FillingVentingPopup::FillingVentingPopup(uint16_t popupId) : QuestionPopup(popupId, LOOK)
{
    PopupLayout::placeText(messageText, UNBOUND_TEXT, QUESTION_Y);
}

void FillingVentingPopup::setMode(uint8_t mode)
{
    if (mode <= MODE_FILLING) {
        fillingVentingMode = mode;
    }
}

void FillingVentingPopup::bind(PopupData& data)
{
    QuestionPopup::bind(data);
    PopupLayout::placeText(messageText, fillingVentingMode == MODE_FILLING ? FILLING_QUESTION : VENTING_QUESTION,
                           QUESTION_Y);
}

void FillingVentingPopup::answered(bool yes)
{
    if (yes) {
        // The procedure's screen goes on once the id is no longer active.
        popupManager->close(popupId);
        return;
    }
    ShellContext* context = ShellContext::running();
    if (context != nullptr) {
        pagemanager::PageManager& pageManager = *context->pageManager;
        // Venting asked inside the wizard returns to the wizard's anchor.
        const Params::FillingVenting* request = pageManager.getParam<Params::FillingVenting>();
        if (request != nullptr && request->request != 0 && fillingVentingMode == MODE_VENTING) {
            pageManager.backTo(true);
        } else {
            pageManager.back();
        }
    }
    close();
}
