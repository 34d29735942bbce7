#ifndef GUI_POPUPS_LANCARDENABLEPOPUP_HPP
#define GUI_POPUPS_LANCARDENABLEPOPUP_HPP

#include "gui/popups/Popup.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/ButtonWithLabel.hpp>

// Whether the LAN module may download updates and send data: the answer switches the module
// on or off, and either leaves the screen that asked.
class LanCardEnablePopup : public Popup
{
public:
    explicit LanCardEnablePopup(uint16_t popupId);

    void bind(PopupData& data) override;
    void update(PopupData&) override {}

    void buttonClicked(const quillon::AbstractButton& source);
    // Writes 1 or 0 to the module's switch.
    static void setLanCardEnabled(bool enabled);

    const quillon::ButtonWithLabel& getAcceptButton() const { return acceptButton; }
    const quillon::ButtonWithLabel& getRefuseButton() const { return refuseButton; }

private:
    guicontrols::TextField titleText;
    guicontrols::TextField messageText;
    guicontrols::TextField noteText;
    quillon::ButtonWithLabel acceptButton;
    quillon::ButtonWithLabel refuseButton;
    quillon::Callback<LanCardEnablePopup, const quillon::AbstractButton&> buttonCallback;
};

#endif
