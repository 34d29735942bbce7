#include "gui/popups/QuestionPopup.hpp"

#include "gui/popups/PopupLayout.hpp"

namespace
{
const quillon::TextId YES_TEXT = 1000;
const quillon::TextId NO_TEXT = 1044;
} // namespace

QuestionPopup::QuestionPopup(uint16_t popupId, const Look& look)
    : Popup(popupId), buttonCallback(this, &QuestionPopup::buttonClicked), wrap(nullptr), wrapBuffer(nullptr),
      wrapCapacity(0)
{
    const bool red = look.frameStyle == PopupLayout::RED_FRAME;
    frame.setStyle(look.frameStyle);
    PopupLayout::placeIcon(icon, red ? PopupLayout::WARNING_ICON : PopupLayout::SPANNER_ICON, PopupLayout::ICON_Y);
    PopupLayout::setupButton(yesButton, YES_TEXT, buttonCallback);
    if (look.withNo) {
        PopupLayout::setupButton(noButton, NO_TEXT, buttonCallback);
        PopupLayout::placeButtonPair(yesButton, noButton, look.buttonY);
        add(yesButton);
        add(noButton);
    } else {
        PopupLayout::placeButtonCentred(yesButton, look.buttonY);
    }
    add(icon);
    if (look.title != NO_TITLE) {
        PopupLayout::placeText(titleText, look.title, look.titleY);
        add(titleText);
    }
    messageText.setAlignment(quillon::CENTER);
    add(messageText);
    if (!look.withNo) {
        add(yesButton);
    }
}

void QuestionPopup::buttonClicked(const quillon::AbstractButton& source)
{
    if (&source == &yesButton) {
        answered(true);
    } else if (&source == &noButton) {
        answered(false);
    }
}

void QuestionPopup::setWrap(const Wrap& spec, quillon::WideChar* buffer, uint16_t capacity)
{
    wrap = &spec;
    wrapBuffer = buffer;
    wrapCapacity = capacity;
}

void QuestionPopup::bind(PopupData&)
{
    if (titleText.hasText() && titleText.getParent() != nullptr) {
        PopupLayout::fitHeight(titleText);
    }
    if (wrap == nullptr) {
        return;
    }
    const uint16_t unit = wrap->byTitleHeight ? titleText.getTextHeight() : PopupLayout::lineHeight(wrap->displayFont);
    PopupLayout::showWrapped(wrap->intoTitle ? titleText : messageText, wrapBuffer, wrapCapacity, wrap->question,
                             wrap->maxLines, wrap->displayFont, wrap->y, static_cast<uint16_t>(wrap->heightLines * unit));
}
