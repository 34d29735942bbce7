#ifndef GUICONTROLS_TEMPERATUREEDIT_HPP
#define GUICONTROLS_TEMPERATUREEDIT_HPP

#include "guicontrols/IconButton.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>

#include <stdint.h>

namespace guicontrols
{
// A setpoint in whole degrees, shown large as "21°" with a plus and a minus button to its
// right. Nobody is told of a step: the owner reads the value when the user confirms.
class TemperatureEdit : public quillon::Container
{
public:
    TemperatureEdit();

    // Neither bound refreshes the text.
    void setMinimum(uint16_t minimum);
    void setMaximum(uint16_t maximum);
    // Lowered to the maximum, else raised to the minimum; refreshes the text.
    void setValue(uint16_t value);
    uint16_t getValue() const { return value; }

    const quillon::WideChar* getText() const { return textBuffer; }
    const IconButton& getPlusButton() const { return plusButton; }
    const IconButton& getMinusButton() const { return minusButton; }
    const TextField& getValueText() const { return valueText; }

    void onButtonClicked(const quillon::AbstractButton& button);
    void onButtonRepeated(const RepeatableButton& button) { onButtonClicked(button); }

private:
    static const uint16_t TEXT_CAPACITY = 12;

    void updateText();

    quillon::Callback<TemperatureEdit, const quillon::AbstractButton&> clickCallback;
    quillon::Callback<TemperatureEdit, const RepeatableButton&> repeatCallback;
    IconButton minusButton;
    IconButton plusButton;
    quillon::WideChar textBuffer[TEXT_CAPACITY];
    TextField valueText;
    uint16_t value;
    uint16_t minimum;
    uint16_t maximum;
};
} // namespace guicontrols

#endif
