#include "guicontrols/SpinBox.hpp"

#include "helpers/WideFormat.hpp"

#include <quillon/Font.hpp>
#include <quillon/WideString.hpp>

#include <initializer_list>
#include <math.h>

namespace guicontrols
{
namespace
{
const quillon::TypedText VALUE_TEXT(19);
const quillon::Color BLACK = 0x0000;
const uint8_t DISABLED_ALPHA = 128;

struct Look
{
    quillon::BitmapId background;
    quillon::BitmapId released;
    quillon::BitmapId pressed;
    int16_t textGap; // from the up button's bottom to the value text
};

const Look LOOKS[] = {
    {216, 16, 18, 10},
    {217, 219, 220, 35},
    {218, 221, 222, 10},
};

struct Arrows
{
    quillon::BitmapId up;
    quillon::BitmapId down;
};

const Arrows ARROWS[] = {{153, 140}, {154, 141}, {186, 95}};

const int32_t STYLE_COUNT = 3;

// Steps of 0.1 in binary floats drift: 255 of them from 0 give 25.500061, past a maximum of
// 25.5. Rounding each result to tenths keeps the values the text shows.
float toTenths(float value)
{
    const float rounded = roundf(value * 10.0f) / 10.0f;
    return rounded == 0.0f ? 0.0f : rounded; // no "-0.0"
}
} // namespace

SpinBox::SpinBox()
    : clickCallback(this, &SpinBox::onButtonClicked),
      repeatCallback(this, &SpinBox::onButtonRepeated),
      integerMinimum(0),
      floatMinimum(0.0f),
      integerMaximum(0),
      floatMaximum(0.0f),
      wrapAround(false),
      digits(0),
      integerCallback(nullptr),
      floatCallback(nullptr),
      style(0),
      arrowStyle(1),
      valueType(INTEGER_VALUE),
      integerStep(1),
      floatStep(0.1f)
{
    background.setBitmap(quillon::Bitmap(quillon::BITMAP_NONE));
    value.integer = 0;
    setStyle(0);
    setArrowStyle(1);
    for (IconButton* button : {&upButton, &downButton}) {
        button->setAction(clickCallback);
        button->setRepeatAction(&repeatCallback);
    }
    quillon::WideString::snprintf(textBuffer, TEXT_CAPACITY, "%d", 0);
    valueText.setWildcard(textBuffer);
    valueText.setTextId(VALUE_TEXT);
    valueText.setColor(BLACK);
    add(background);
    add(upButton);
    add(downButton);
    add(valueText); // over the buttons
}

void SpinBox::setStyle(int32_t newStyle)
{
    if (newStyle >= 0 && newStyle < STYLE_COUNT) {
        const Look& look = LOOKS[newStyle];
        background.setBitmap(quillon::Bitmap(look.background));
        const int16_t height = background.getHeight();
        for (IconButton* button : {&upButton, &downButton}) {
            button->setBitmaps(quillon::Bitmap(look.released), quillon::Bitmap(look.pressed));
        }
        upButton.setIcon(quillon::Bitmap(ARROWS[0].up));
        downButton.setIcon(quillon::Bitmap(ARROWS[0].down));
        const int16_t buttonHeight = upButton.getHeight();
        upButton.setXY(2, 1);
        downButton.setXY(2, static_cast<int16_t>(height - buttonHeight - 1));
        valueText.setPosition(0, static_cast<int16_t>(buttonHeight + look.textGap), background.getWidth(),
                              static_cast<int16_t>(height - 2 * buttonHeight));
    }
    background.setXY(0, 0);
    setWidth(background.getWidth());
    setHeight(background.getHeight());
    style = newStyle;
}

void SpinBox::setTypedText(const quillon::TypedText& text)
{
    valueText.setTextId(text);
    const quillon::Font* normal = VALUE_TEXT.getFont();
    const quillon::Font* chosen = text.getFont();
    if (style < 0 || style >= STYLE_COUNT || normal == nullptr || chosen == nullptr) {
        return;
    }
    const int16_t shift = static_cast<int16_t>((normal->getFontHeight() - chosen->getFontHeight()) / 2);
    valueText.setY(static_cast<int16_t>(upButton.getHeight() + LOOKS[style].textGap + (shift > 0 ? shift : 0)));
}

void SpinBox::setArrowStyle(int32_t newStyle)
{
    if (newStyle >= 0 && newStyle < STYLE_COUNT) {
        upButton.setIcon(quillon::Bitmap(ARROWS[newStyle].up));
        downButton.setIcon(quillon::Bitmap(ARROWS[newStyle].down));
    }
    arrowStyle = newStyle;
}

void SpinBox::setValueType(int32_t type)
{
    if (type != valueType) {
        integerCallback = nullptr;
        floatCallback = nullptr;
    }
    valueType = type;
}

void SpinBox::setMinimum(int32_t minimum)
{
    integerMinimum = minimum;
    floatMinimum = static_cast<float>(minimum);
    if (value.integer < minimum) {
        value.integer = minimum;
    }
}

void SpinBox::setMaximum(int32_t maximum)
{
    integerMaximum = maximum;
    floatMaximum = static_cast<float>(maximum);
    if (value.integer > maximum) {
        value.integer = maximum;
    }
}

void SpinBox::setFloatMinimum(float minimum)
{
    floatMinimum = minimum;
    integerMinimum = static_cast<int32_t>(minimum);
    if (value.real < minimum) {
        value.real = minimum;
    }
}

void SpinBox::setFloatMaximum(float maximum)
{
    floatMaximum = maximum;
    integerMaximum = static_cast<int32_t>(maximum);
    if (value.real > maximum) {
        value.real = maximum;
    }
}

void SpinBox::setValueCallback(quillon::GenericCallback<const int&>* callback)
{
    if (valueType == INTEGER_VALUE) {
        integerCallback = callback;
    }
}

void SpinBox::setFloatValueCallback(quillon::GenericCallback<const float&>* callback)
{
    if (valueType == FLOAT_VALUE) {
        floatCallback = callback;
    }
}

void SpinBox::setValue(int32_t newValue)
{
    if (newValue < integerMinimum) {
        newValue = wrapAround ? integerMaximum : integerMinimum;
    } else if (newValue > integerMaximum) {
        newValue = wrapAround ? integerMinimum : integerMaximum;
    }
    value.integer = newValue;
    updateText();
}

void SpinBox::setFloatValue(float newValue)
{
    if (newValue < floatMinimum) {
        newValue = wrapAround ? floatMaximum : floatMinimum;
    } else if (newValue > floatMaximum) {
        newValue = wrapAround ? floatMinimum : floatMaximum;
    }
    value.real = newValue;
    updateText();
}

void SpinBox::setDisabled(bool disabled)
{
    const uint8_t alpha = disabled ? DISABLED_ALPHA : 255;
    setTouchable(false); // the buttons take the touches, never the box itself
    background.setAlpha(alpha);
    for (IconButton* button : {&upButton, &downButton}) {
        button->setTouchable(!disabled);
        button->setAlpha(alpha);
    }
    invalidate();
}

void SpinBox::onButtonClicked(const quillon::AbstractButton& button)
{
    const bool up = &button == &upButton;
    if (!up && &button != &downButton) {
        return;
    }
    if (valueType == FLOAT_VALUE) {
        stepFloat(up);
    } else {
        stepInteger(up);
    }
}

void SpinBox::stepInteger(bool up)
{
    const int32_t old = value.integer;
    int32_t next = old;
    if (up) {
        next += integerStep;
        if (next > integerMaximum) {
            next = wrapAround ? integerMinimum : integerMaximum;
        }
    } else {
        next -= integerStep;
        if (next < integerMinimum) {
            next = wrapAround ? integerMaximum : integerMinimum;
        }
    }
    if (next == old) {
        return;
    }
    value.integer = next;
    updateText();
    if (integerCallback != nullptr && integerCallback->isValid()) {
        integerCallback->execute(value.integer);
    }
}

void SpinBox::stepFloat(bool up)
{
    const float old = value.real;
    float next = old;
    if (up) {
        next = toTenths(next + floatStep);
        if (next > floatMaximum) {
            next = wrapAround ? floatMinimum : floatMaximum;
        }
    } else {
        next = toTenths(next - floatStep);
        if (next < floatMinimum) {
            next = wrapAround ? floatMaximum : floatMinimum;
        }
    }
    if (next == old) {
        return;
    }
    value.real = next;
    updateText();
    if (floatCallback != nullptr && floatCallback->isValid()) {
        floatCallback->execute(value.real);
    }
}

void SpinBox::updateText()
{
    if (valueType == FLOAT_VALUE) {
        helpers::formatWide(textBuffer, TEXT_CAPACITY, "%.1f", static_cast<double>(value.real));
    } else if (digits == 2) {
        helpers::formatWide(textBuffer, TEXT_CAPACITY, "%02d", value.integer);
    } else if (digits == 4) {
        helpers::formatWide(textBuffer, TEXT_CAPACITY, "%04d", value.integer);
    } else {
        helpers::formatWide(textBuffer, TEXT_CAPACITY, "%d", value.integer);
    }
    valueText.invalidate();
}
} // namespace guicontrols
