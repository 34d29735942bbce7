#ifndef GUICONTROLS_BACKLIGHTEDIT_HPP
#define GUICONTROLS_BACKLIGHTEDIT_HPP

#include "guicontrols/SpinBox.hpp"

#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/widgets/Image.hpp>
#include <quillon/widgets/TextArea.hpp>
#include <quillon/widgets/TextAreaWithOneWildcard.hpp>

#include <stdint.h>

namespace guicontrols
{
// The display brightness in percent, 0 to 100 in tens. Every step goes to the backlight at
// once, so the user sees what the setting will look like; the screen stores it on confirm.
// The spin box stops at both ends: 100 % never jumps to a dark screen.
class BacklightEdit : public quillon::Container
{
public:
    BacklightEdit();
    ~BacklightEdit() override = default;

    // Shown and sent to the backlight.
    void setValue(int32_t value);
    void setMaximum(int32_t maximum) { spinBox.setMaximum(maximum); }
    int32_t getValue() const { return spinBox.getValue(); }

    const SpinBox& getSpinBox() const { return spinBox; }

    void onValueChanged(const int& value) { applyBacklight(static_cast<uint8_t>(value)); }

protected:
    // The board's backlight; a test watches it here.
    virtual void applyBacklight(uint8_t level);

private:
    static const uint16_t LABEL_CAPACITY = 6;

    quillon::Callback<BacklightEdit, const int&> valueCallback;
    quillon::Image preview;
    quillon::TextAreaWithOneWildcard previewLabel;
    quillon::WideChar labelBuffer[LABEL_CAPACITY];
    quillon::TextArea percentSign;
    SpinBox spinBox;
};
} // namespace guicontrols

#endif
