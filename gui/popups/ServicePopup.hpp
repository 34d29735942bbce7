#ifndef GUI_POPUPS_SERVICEPOPUP_HPP
#define GUI_POPUPS_SERVICEPOPUP_HPP

#include "gui/popups/ContactLines.hpp"
#include "gui/popups/MessagePopup.hpp"

// A service is due, with whom to call; "Confirm" dismisses it until one more is due.
class ServicePopup : public MessagePopup
{
public:
    explicit ServicePopup(uint16_t popupId);
    void bind(PopupData& data) override;

    const ContactLines& getContactLines() const { return contactLines; }

private:
    ContactLines contactLines;
};

#endif
