#include "gui/popups/LANErrorPopup.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/popups/PopupData.hpp"
#include "gui/popups/PopupLayout.hpp"
#include "gui/shell/ShellContext.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const MessagePopup::Look LOOK = {PopupLayout::RED_FRAME, 1124, 896, 200, 839};
const quillon::TextId DHCP_TEXT = 896;
const quillon::TextId LAN_TEXT = 888;
const uint8_t DHCP_FAILED = 0x04;
const uint8_t LAN_FAILED = 0x18;
} // namespace

LANErrorPopup::LANErrorPopup(uint16_t popupId) : MessagePopup(popupId, LOOK)
{
}

void LANErrorPopup::bind(PopupData& data)
{
    // With neither flag the text of the last showing stays.
    if (data.isLanStateFlagSet(DHCP_FAILED)) {
        messageText.setTextId(quillon::TypedText(DHCP_TEXT));
    } else if (data.isLanStateFlagSet(LAN_FAILED)) {
        messageText.setTextId(quillon::TypedText(LAN_TEXT));
    }
    MessagePopup::bind(data);
}

void LANErrorPopup::buttonClicked(const quillon::AbstractButton&)
{
    ShellContext* context = ShellContext::running();
    if (context != nullptr) {
        context->pageManager->back();
    }
    popupManager->close(popupId);
    close();
}
