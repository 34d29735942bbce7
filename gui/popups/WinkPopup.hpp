#ifndef GUI_POPUPS_WINKPOPUP_HPP
#define GUI_POPUPS_WINKPOPUP_HPP

#include "gui/popups/Popup.hpp"
#include "gui/popups/TimerWidgetSlot.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/ButtonWithLabel.hpp>
#include <quillon/widgets/TextArea.hpp>
#include <quillon/widgets/TextAreaWithOneWildcard.hpp>

// The boiler asks the panel to show itself ("WINK") with its subscriber number; it closes
// itself after about 30 seconds, or on "OK".
class WinkPopup : public Popup
{
public:
    // Above this count the popup closes: on the 1876th tick after it was bound.
    static const uint32_t LAST_TICK = 1874;
    static const uint16_t SUBSCRIBER_CAPACITY = 10;

    explicit WinkPopup(uint16_t popupId);

    void bind(PopupData& data) override;
    void update(PopupData& data) override;
    void onTick() override;

    void buttonClicked(const quillon::AbstractButton& source);

    const quillon::WideChar* getSubscriber() const { return subscriberText; }
    const quillon::ButtonWithLabel& getOkButton() const { return okButton; }
    bool isTicking() const { return timer.isStarted(); }

private:
    void finish();

    quillon::TextArea checkText;
    quillon::TextAreaWithOneWildcard subscriberLine;
    quillon::TextArea winkText;
    quillon::ButtonWithLabel okButton;
    quillon::WideChar subscriberText[SUBSCRIBER_CAPACITY];
    uint32_t tickCount;
    quillon::Callback<WinkPopup, const quillon::AbstractButton&> buttonCallback;
    TimerWidgetSlot timer;
};

#endif
