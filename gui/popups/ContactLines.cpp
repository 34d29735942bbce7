#include "gui/popups/ContactLines.hpp"

#include "gui/popups/Popup.hpp"
#include "gui/popups/PopupData.hpp"
#include "gui/popups/PopupLayout.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId MESSAGE_TEXT = 849;
// Lists the characters of the fonts a user can type in.
const quillon::TextId USER_FONT_TEXT = 10;
const int16_t NAME_Y = 230;
const int16_t NUMBER_GAP = 5;
const quillon::WideChar NOTHING[] = {0};

void place(guicontrols::TextField& line, int16_t y)
{
    line.setPosition(0, y, Popup::WIDTH, 0);
    line.setAlignment(quillon::CENTER);
    PopupLayout::fitHeight(line);
}
} // namespace

ContactLines::ContactLines()
{
    const quillon::Font* font = quillon::TypedText(MESSAGE_TEXT).getFont();
    contactNameText.setText(NOTHING, font);
    contactNumberText.setText(NOTHING, font);
    place(contactNameText, NAME_Y);
    place(contactNumberText, static_cast<int16_t>(NAME_Y + NUMBER_GAP + contactNameText.getHeight()));
}

void ContactLines::addTo(quillon::Container& popup)
{
    popup.add(contactNameText);
    popup.add(contactNumberText);
}

void ContactLines::bind(PopupData& data)
{
    const quillon::Font* font = quillon::TypedText(USER_FONT_TEXT).getFont();
    contactNameText.setText(data.getContactName(), font);
    contactNumberText.setText(data.getContactNumber(), font);
    place(contactNameText, NAME_Y);
    place(contactNumberText, static_cast<int16_t>(NAME_Y + NUMBER_GAP + contactNameText.getHeight()));
}
