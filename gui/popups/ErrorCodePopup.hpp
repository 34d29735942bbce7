#ifndef GUI_POPUPS_ERRORCODEPOPUP_HPP
#define GUI_POPUPS_ERRORCODEPOPUP_HPP

#include "gui/popups/MessagePopup.hpp"

// The flue-gas sensor check failed; "Confirm" asks about the further settings at once.
class ErrorCodePopup : public MessagePopup
{
public:
    explicit ErrorCodePopup(uint16_t popupId);
    void buttonClicked(const quillon::AbstractButton& source) override;
};

#endif
