#ifndef GUI_POPUPS_LANERRORPOPUP_HPP
#define GUI_POPUPS_LANERRORPOPUP_HPP

#include "gui/popups/MessagePopup.hpp"

// The LAN module cannot connect; the message tells DHCP from LAN. "Confirm" leaves its screen.
class LANErrorPopup : public MessagePopup
{
public:
    explicit LANErrorPopup(uint16_t popupId);
    void bind(PopupData& data) override;
    void buttonClicked(const quillon::AbstractButton& source) override;
};

#endif
