#include "gui/popups/HydraulicBalancingPopup.hpp"

#include "gui/popups/PopupLayout.hpp"

namespace
{
const MessagePopup::Look LOOK = {PopupLayout::ORANGE_FRAME, 1163, 989, 230, MessagePopup::NO_BUTTON};
} // namespace

HydraulicBalancingPopup::HydraulicBalancingPopup(uint16_t popupId) : MessagePopup(popupId, LOOK)
{
}
