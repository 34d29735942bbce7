#include "gui/popups/CombustionControllerLockedPopup.hpp"

#include "gui/popups/PopupLayout.hpp"

namespace
{
const MessagePopup::Look LOOK = {PopupLayout::RED_FRAME, 859, 847, 160, 1573};
} // namespace

CombustionControllerLockedPopup::CombustionControllerLockedPopup(uint16_t popupId) : MessagePopup(popupId, LOOK)
{
}
