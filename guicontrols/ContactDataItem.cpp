#include "guicontrols/ContactDataItem.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>

namespace guicontrols
{
namespace
{
const quillon::FontId TITLE_FONT = 3;
const quillon::FontId SIZING_FONT = 2;
const quillon::WideChar SIZING_CHARACTER = 'u';
const int16_t TITLE_CHARACTERS = 20;
const uint8_t TITLE_COLOR = 11;
const uint8_t FIELD_COLOR = 1;
} // namespace

ContactDataItem::ContactDataItem() : titleFont(ApplicationFontProvider().getFont(TITLE_FONT))
{
    const quillon::Font* sizing = ApplicationFontProvider().getFont(SIZING_FONT);
    const int16_t characterWidth = sizing != nullptr ? static_cast<int16_t>(sizing->getCharWidth(SIZING_CHARACTER)) : 0;
    const int16_t fullHeight = sizing != nullptr ? static_cast<int16_t>(sizing->getFullHeight()) : 0;
    title.setPosition(40, 27, static_cast<int16_t>(TITLE_CHARACTERS * characterWidth), fullHeight);
    title.setVerticalAlignment(1);
    title.setAlignment(quillon::LEFT);
    title.setColor(Palette::entry(TITLE_COLOR));
    field.setPosition(285, 15, 460, 50);
    field.setColor(Palette::entry(FIELD_COLOR));
    field.setTouchable(true);
    add(title);
    add(field);
    const int16_t fieldRight = static_cast<int16_t>(field.getX() + field.getWidth());
    setWidth(fieldRight > ROW_WIDTH ? fieldRight : ROW_WIDTH);
    setHeight(ROW_HEIGHT);
}

void ContactDataItem::setTitle(const quillon::WideChar* text)
{
    if (titleFont == nullptr) {
        titleFont = ApplicationFontProvider().getFont(TITLE_FONT); // texts registered after construction
    }
    title.setText(text, titleFont);
}
} // namespace guicontrols
