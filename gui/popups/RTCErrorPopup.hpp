#ifndef GUI_POPUPS_RTCERRORPOPUP_HPP
#define GUI_POPUPS_RTCERRORPOPUP_HPP

#include "gui/popups/MessagePopup.hpp"

// The panel's clock was invalid at start; "OK" leads to the date and time menu.
class RTCErrorPopup : public MessagePopup
{
public:
    explicit RTCErrorPopup(uint16_t popupId);
    void buttonClicked(const quillon::AbstractButton& source) override;
};

#endif
