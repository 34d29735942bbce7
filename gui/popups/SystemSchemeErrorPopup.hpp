#ifndef GUI_POPUPS_SYSTEMSCHEMEERRORPOPUP_HPP
#define GUI_POPUPS_SYSTEMSCHEMEERRORPOPUP_HPP

#include "gui/popups/MessagePopup.hpp"

// The system scheme could not be detected; raised by its screen, "OK" dismisses it.
class SystemSchemeErrorPopup : public MessagePopup
{
public:
    explicit SystemSchemeErrorPopup(uint16_t popupId);
};

#endif
