#include "gui/popups/ErrorCodePopup.hpp"

#include "gui/popups/PopupLayout.hpp"
#include "gui/popups/PopupId.hpp"

namespace
{
const MessagePopup::Look LOOK = {PopupLayout::RED_FRAME, 1124, 552, 160, 839};
} // namespace

ErrorCodePopup::ErrorCodePopup(uint16_t popupId) : MessagePopup(popupId, LOOK)
{
}

void ErrorCodePopup::buttonClicked(const quillon::AbstractButton&)
{
    popupManager->show(POPUP_ADVANCED_WIZARD, 1);
    popupManager->close(popupId);
}
