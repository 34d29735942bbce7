#include "gui/popups/RTCErrorPopup.hpp"

#include "gui/popups/PopupLayout.hpp"
#include "gui/app/FrontendApplication.hpp"

namespace
{
const MessagePopup::Look LOOK = {PopupLayout::RED_FRAME, 1188, 855, 160, 1573};
} // namespace

RTCErrorPopup::RTCErrorPopup(uint16_t popupId) : MessagePopup(popupId, LOOK)
{
}

void RTCErrorPopup::buttonClicked(const quillon::AbstractButton&)
{
    FrontendApplication* application = PopupLayout::runningApplication();
    if (application != nullptr) {
        application->getPageManager().goTo(&application->getPages().dateTimeMenuPage, false);
    }
    close();
}
