#include "gui/popups/CommunicationErrorPopup.hpp"

#include "gui/popups/PopupLayout.hpp"

namespace
{
const MessagePopup::Look LOOK = {PopupLayout::RED_FRAME, 1148, 849, 160, MessagePopup::NO_BUTTON};
} // namespace

CommunicationErrorPopup::CommunicationErrorPopup(uint16_t popupId) : MessagePopup(popupId, LOOK)
{
}
