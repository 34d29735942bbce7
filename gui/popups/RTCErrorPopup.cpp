#include "gui/popups/RTCErrorPopup.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/popups/PopupLayout.hpp"
#include "gui/shell/ShellContext.hpp"

namespace
{
const MessagePopup::Look LOOK = {PopupLayout::RED_FRAME, 1188, 855, 160, 1573};
} // namespace

RTCErrorPopup::RTCErrorPopup(uint16_t popupId) : MessagePopup(popupId, LOOK)
{
}

void RTCErrorPopup::buttonClicked(const quillon::AbstractButton&)
{
    ShellContext* context = ShellContext::running();
    if (context != nullptr) {
        context->pageManager->goTo(&context->pages->dateTimeMenuPage, false);
    }
    close();
}
