#include "guicontrols/ShortQueryCode.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/WideString.hpp>

namespace guicontrols
{
namespace
{
const quillon::FontId LABEL_FONT = 0;
const quillon::FontId SIZING_FONT = 2;
const uint8_t LABEL_COLOR = 11;
const quillon::BitmapId BUTTON_BITMAP = 16;
const int16_t BUTTON_X[ShortQueryCode::BUTTON_COUNT] = {70, 160, 270, 360, 470, 560};
} // namespace

ShortQueryCode::ShortQueryCode() : numberText(), zeroText()
{
    setWidth(700);
    setHeight(80);
    ApplicationFontProvider fonts;
    const quillon::Font* sizing = fonts.getFont(SIZING_FONT);
    const int16_t width = sizing != nullptr ? static_cast<int16_t>(3 * sizing->getCharWidth('u')) : 0;
    const int16_t height = sizing != nullptr ? static_cast<int16_t>(sizing->getFullHeight()) : 0;
    numberLabel.setPosition(0, 20, width, height);
    numberLabel.setColor(Palette::entry(LABEL_COLOR));
    numberLabel.setVerticalAlignment(1);
    numberLabel.setText(numberText, fonts.getFont(LABEL_FONT));
    add(numberLabel);
    quillon::WideString::snprintf(zeroText, LABEL_SIZE, "%d", 0);
    for (uint8_t i = 0; i < BUTTON_COUNT; ++i) {
        buttons[i].setBitmaps(quillon::Bitmap(BUTTON_BITMAP), quillon::Bitmap(BUTTON_BITMAP));
        buttons[i].setXY(BUTTON_X[i], 0);
        buttons[i].setFontId(LABEL_FONT);
        buttons[i].setLabel(zeroText);
        add(buttons[i]);
    }
}

void ShortQueryCode::setNumber(uint8_t number)
{
    quillon::WideString::snprintf(numberText, LABEL_SIZE, "%d:", number + 1);
}

void ShortQueryCode::setButtonLabel(uint8_t index, const quillon::WideChar* text)
{
    if (index < BUTTON_COUNT) {
        buttons[index].setLabel(text);
    }
}
} // namespace guicontrols
