#include "gui/popups/SystemSchemeErrorPopup.hpp"

#include "gui/popups/PopupLayout.hpp"

namespace
{
const MessagePopup::Look LOOK = {PopupLayout::RED_FRAME, 1498, 866, 160, 1573};
} // namespace

SystemSchemeErrorPopup::SystemSchemeErrorPopup(uint16_t popupId) : MessagePopup(popupId, LOOK)
{
}
