#ifndef GUI_POPUPS_QUESTIONPOPUP_HPP
#define GUI_POPUPS_QUESTIONPOPUP_HPP

#include "gui/popups/Popup.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>
#include <quillon/FontManager.hpp>
#include <quillon/Texts.hpp>
#include <quillon/widgets/ButtonWithLabel.hpp>
#include <quillon/widgets/Image.hpp>

// The pattern of the question popups: an icon, a title, the question and "Yes" alone or
// "Yes" and "No". The popup states the question and acts on the answer.
class QuestionPopup : public Popup
{
public:
    static const quillon::TextId NO_TITLE = 0xFFFF;

    struct Look
    {
        quillon::BitmapId frameStyle;
        quillon::TextId title; // NO_TITLE for none
        int16_t titleY;
        int16_t buttonY;
        bool withNo;
    };

    // A question wrapped into the popup's buffer at every binding: at most maxLines lines,
    // heightLines high in units of the title's text height, or of a line of the display font
    // where the popup has no title of its own to measure by.
    struct Wrap
    {
        quillon::TextId question;
        uint8_t maxLines;
        quillon::FontId displayFont;
        int16_t y;
        uint8_t heightLines;
        bool byTitleHeight;
        bool intoTitle; // the wrapped text shows in the title field
    };

    QuestionPopup(uint16_t popupId, const Look& look);

    // The wrapped question, when the popup was given one.
    void bind(PopupData& data) override;
    void update(PopupData&) override {}

    const quillon::ButtonWithLabel& getYesButton() const { return yesButton; }
    const quillon::ButtonWithLabel& getNoButton() const { return noButton; }
    const guicontrols::TextField& getTitle() const { return titleText; }
    const guicontrols::TextField& getMessage() const { return messageText; }

protected:
    virtual void answered(bool yes) = 0;
    // The buffer is the popup's own and outlives it as a text shown.
    void setWrap(const Wrap& spec, quillon::WideChar* buffer, uint16_t capacity);

    quillon::Image icon;
    guicontrols::TextField titleText;
    guicontrols::TextField messageText;
    quillon::ButtonWithLabel yesButton;
    quillon::ButtonWithLabel noButton;

private:
    void buttonClicked(const quillon::AbstractButton& source);

    quillon::Callback<QuestionPopup, const quillon::AbstractButton&> buttonCallback;
    const Wrap* wrap;
    quillon::WideChar* wrapBuffer;
    uint16_t wrapCapacity;
};

#endif
