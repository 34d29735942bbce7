#include "guicontrols/TemperatureEdit.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

#include <initializer_list>

namespace guicontrols
{
namespace
{
const quillon::BitmapId RELEASED = 19;
const quillon::BitmapId PRESSED = 21;
const quillon::BitmapId PLUS_ICON = 153;
const quillon::BitmapId MINUS_ICON = 140;
const quillon::FontId VALUE_FONT = 9;
// "%s°"
const quillon::TypedText DEGREES(48);
// Values are bytes: three digits and a terminator.
const uint16_t NUMBER_CAPACITY = 4;
} // namespace

TemperatureEdit::TemperatureEdit()
    : clickCallback(this, &TemperatureEdit::onButtonClicked),
      repeatCallback(this, &TemperatureEdit::onButtonRepeated),
      textBuffer(),
      value(3),
      minimum(3),
      maximum(37)
{
    plusButton.setBitmaps(quillon::Bitmap(RELEASED), quillon::Bitmap(PRESSED));
    plusButton.setIcon(quillon::Bitmap(PLUS_ICON));
    plusButton.setXY(400, 0);
    minusButton.setBitmaps(quillon::Bitmap(RELEASED), quillon::Bitmap(PRESSED));
    minusButton.setIcon(quillon::Bitmap(MINUS_ICON));
    minusButton.setXY(400, static_cast<int16_t>(plusButton.getY() + plusButton.getHeight() + 20));
    for (IconButton* button : {&plusButton, &minusButton}) {
        button->setAction(clickCallback);
        button->setRepeatAction(&repeatCallback);
    }
    ApplicationFontProvider fonts;
    const quillon::Font* font = fonts.getFont(VALUE_FONT);
    valueText.setVerticalAlignment(0);
    valueText.setAlignment(2);
    valueText.setColor(Palette::entry(11));
    valueText.setText(textBuffer, font);
    const int16_t height = font != nullptr ? static_cast<int16_t>(2 * font->getFullHeight()) : 0;
    // Right-aligned up to x 290. The field starts at the editor's left edge, not at 60: two
    // digits and the degree sign are wider than 230 pixels in the value font.
    valueText.setPosition(0, 20, 290, height);
    setWidth(600);
    setHeight(200);
    add(plusButton);
    add(minusButton);
    add(valueText);
}

void TemperatureEdit::setMinimum(uint16_t newMinimum)
{
    minimum = newMinimum;
    if (value < minimum) {
        value = minimum;
    }
}

void TemperatureEdit::setMaximum(uint16_t newMaximum)
{
    maximum = newMaximum;
    if (value > maximum) {
        value = maximum;
    }
}

void TemperatureEdit::setValue(uint16_t newValue)
{
    if (newValue > maximum) {
        newValue = maximum;
    } else if (newValue < minimum) {
        newValue = minimum;
    }
    value = newValue;
    updateText();
}

void TemperatureEdit::onButtonClicked(const quillon::AbstractButton& button)
{
    if (&button == &plusButton) {
        value = static_cast<uint16_t>(value + 1);
        if (value > maximum) {
            value = maximum;
        }
    } else if (&button == &minusButton) {
        if (value > minimum) {
            value = static_cast<uint16_t>(value - 1);
        }
    } else {
        return;
    }
    updateText();
}

void TemperatureEdit::updateText()
{
    quillon::WideChar number[NUMBER_CAPACITY];
    quillon::WideString::itoa(value, number, NUMBER_CAPACITY, 10);
    quillon::WideString::snprintf(textBuffer, TEXT_CAPACITY, DEGREES.getText(), number);
    invalidate();
}
} // namespace guicontrols
