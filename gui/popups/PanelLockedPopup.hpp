#ifndef GUI_POPUPS_PANELLOCKEDPOPUP_HPP
#define GUI_POPUPS_PANELLOCKEDPOPUP_HPP

#include "gui/popups/Popup.hpp"
#include "gui/popups/TimerWidgetSlot.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/ButtonWithLabel.hpp>
#include <quillon/widgets/Image.hpp>

// A touch on the locked home screen: the note closes itself after about 4 seconds; "Unlock"
// hides it at once and, a few frames later, opens the page that switches the lock off.
class PanelLockedPopup : public Popup
{
public:
    // From this count on the note closes itself: on the 251st tick after it was bound.
    static const uint16_t CLOSING_TICK = 250;
    // "Unlock" jumps the count here; above UNLOCK_LAST_TICK the lock page opens.
    static const uint16_t UNLOCK_TICK = 320;
    static const uint16_t UNLOCK_LAST_TICK = 324;

    explicit PanelLockedPopup(uint16_t popupId);

    void bind(PopupData& data) override;
    void update(PopupData&) override {}
    void onTick() override;

    void buttonClicked(const quillon::AbstractButton& source);

    const quillon::ButtonWithLabel& getUnlockButton() const { return unlockButton; }
    bool isTicking() const { return timer.isStarted(); }

private:
    quillon::Image icon;
    guicontrols::TextField titleText;
    quillon::ButtonWithLabel unlockButton;
    uint16_t tickCount;
    quillon::Callback<PanelLockedPopup, const quillon::AbstractButton&> buttonCallback;
    TimerWidgetSlot timer;
};

#endif
