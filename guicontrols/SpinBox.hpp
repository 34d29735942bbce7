#ifndef GUICONTROLS_SPINBOX_HPP
#define GUICONTROLS_SPINBOX_HPP

#include "guicontrols/IconButton.hpp"

#include <quillon/Callback.hpp>
#include <quillon/TypedText.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/widgets/Image.hpp>
#include <quillon/widgets/TextAreaWithOneWildcard.hpp>

#include <stdint.h>

namespace guicontrols
{
// A value between an up and a down button, in whole numbers or in tenths. The buttons step
// it and tell the value callback; the setters never do. A new spin box stops at its bounds:
// owners that want wrap-around ask for it.
//
// Configure in this order: style, arrow style (a style resets the icons), value type, then
// the value callback (a type change drops it), bounds, step, digits, value.
class SpinBox : public quillon::Container
{
public:
    static const int32_t INTEGER_VALUE = 0;
    static const int32_t FLOAT_VALUE = 1;

    SpinBox();

    void setStyle(int32_t style);
    void setArrowStyle(int32_t style);
    void setValueType(int32_t type);

    void setMinimum(int32_t minimum);
    void setMaximum(int32_t maximum);
    void setFloatMinimum(float minimum);
    void setFloatMaximum(float maximum);
    void setWrapAround(bool wrap) { wrapAround = wrap; }
    void setStep(int32_t step) { integerStep = step; }
    void setFloatStep(float step) { floatStep = step; }
    // 2 and 4 give leading zeros; anything else none.
    void setDigits(int32_t count) { digits = count; }

    // Each is kept only in its own mode.
    void setValueCallback(quillon::GenericCallback<const int&>* callback);
    void setFloatValueCallback(quillon::GenericCallback<const float&>* callback);

    void setValue(int32_t value);
    void setFloatValue(float value);
    int32_t getValue() const { return value.integer; }
    float getFloatValue() const { return value.real; }

    // Untouchable, background and buttons at half opacity; the value stays fully drawn.
    void setDisabled(bool disabled);
    // A text in a smaller font than the default is moved down to the middle of the value band.
    void setTypedText(const quillon::TypedText& text);

    int32_t getStyle() const { return style; }
    int32_t getArrowStyle() const { return arrowStyle; }
    const quillon::WideChar* getText() const { return textBuffer; }
    const IconButton& getUpButton() const { return upButton; }
    const IconButton& getDownButton() const { return downButton; }
    const quillon::TextAreaWithOneWildcard& getValueText() const { return valueText; }

    void onButtonClicked(const quillon::AbstractButton& button);
    void onButtonRepeated(const RepeatableButton& button) { onButtonClicked(button); }

private:
    static const uint16_t TEXT_CAPACITY = 6;

    // One cell for both modes: the integer and the float operations read and write it
    // whatever the mode, and only the mode decides which ones the buttons use.
    union Cell
    {
        int32_t integer;
        float real;
    };

    void stepInteger(bool up);
    void stepFloat(bool up);
    void updateText();

    quillon::Callback<SpinBox, const quillon::AbstractButton&> clickCallback;
    quillon::Callback<SpinBox, const RepeatableButton&> repeatCallback;
    IconButton upButton;
    IconButton downButton;
    quillon::Image background;
    quillon::TextAreaWithOneWildcard valueText;
    quillon::WideChar textBuffer[TEXT_CAPACITY];
    Cell value;
    int32_t integerMinimum;
    float floatMinimum;
    int32_t integerMaximum;
    float floatMaximum;
    bool wrapAround;
    int32_t digits;
    quillon::GenericCallback<const int&>* integerCallback;
    quillon::GenericCallback<const float&>* floatCallback;
    int32_t style;
    int32_t arrowStyle;
    int32_t valueType;
    int32_t integerStep;
    float floatStep;
};
} // namespace guicontrols

#endif
