#ifndef GUI_POPUPS_MESSAGEPOPUP_HPP
#define GUI_POPUPS_MESSAGEPOPUP_HPP

#include "gui/popups/Popup.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>
#include <quillon/Texts.hpp>
#include <quillon/widgets/ButtonWithLabel.hpp>
#include <quillon/widgets/Image.hpp>

// The pattern of the message popups: an icon (the red triangle in the red frame, the orange
// spanner in the orange one), a title, a message and at most one button, which dismisses
// unless the popup says otherwise.
class MessagePopup : public Popup
{
public:
    static const quillon::TextId NO_BUTTON = 0xFFFF;

    struct Look
    {
        quillon::BitmapId frameStyle;
        quillon::TextId title;
        quillon::TextId message;
        int16_t messageY;
        quillon::TextId buttonLabel; // NO_BUTTON for none
    };

    MessagePopup(uint16_t popupId, const Look& look);

    // The heights follow the texts in the language of this showing.
    void bind(PopupData& data) override;
    void update(PopupData&) override {}

    virtual void buttonClicked(const quillon::AbstractButton& source);

    bool hasButton() const { return withButton; }
    const quillon::ButtonWithLabel& getButton() const { return button; }
    const guicontrols::TextField& getMessage() const { return messageText; }

protected:
    quillon::Image icon;
    guicontrols::TextField titleText;
    guicontrols::TextField messageText;
    quillon::ButtonWithLabel button;
    quillon::Callback<MessagePopup, const quillon::AbstractButton&> buttonCallback;
    bool withButton;
};

#endif
