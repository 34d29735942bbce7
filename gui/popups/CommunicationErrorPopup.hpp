#ifndef GUI_POPUPS_COMMUNICATIONERRORPOPUP_HPP
#define GUI_POPUPS_COMMUNICATIONERRORPOPUP_HPP

#include "gui/popups/MessagePopup.hpp"

// The link to the boiler is lost; no button: it stays until the link is back.
class CommunicationErrorPopup : public MessagePopup
{
public:
    explicit CommunicationErrorPopup(uint16_t popupId);
};

#endif
