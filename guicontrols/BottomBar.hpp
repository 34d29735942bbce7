#ifndef GUICONTROLS_BOTTOMBAR_HPP
#define GUICONTROLS_BOTTOMBAR_HPP

#include "guicontrols/IconLabelButton.hpp"

#include <quillon/Bitmap.hpp>
#include <quillon/Callback.hpp>
#include <quillon/TypedText.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/widgets/Box.hpp>

#include <stdint.h>

namespace guicontrols
{
// The six equal buttons along the bottom of every screen. A button takes touches only once
// the view mode has put an icon or a label on it; a click reports the button's index 0..5
// through the bar callback. No setter redraws: the owner invalidates the bar.
class BottomBar : public quillon::Container
{
public:
    static const uint8_t BUTTON_COUNT = 6;

    BottomBar(int16_t x, int16_t y, int16_t width, int16_t height);
    ~BottomBar() override {}

    // Shows only the icon from now on.
    void setButtonIcon(uint8_t index, quillon::BitmapId bitmapId);
    // Shows only the label: the text as it reads in the current language when set.
    void setButtonText(uint8_t index, quillon::TextId textId, const quillon::Color* color);
    void setButtonTouchable(uint8_t index, bool touchable);
    // No icon, no label, no touches.
    void clearButton(uint8_t index);
    void clearAllButtons();
    void setAllButtonsTouchable(bool touchable);
    void setButtonCallback(quillon::GenericCallback<int>& callback) { barCallback = &callback; }

    const IconLabelButton& getButton(uint8_t index) const { return buttons[checkedIndex(index)]; }

private:
    static uint8_t checkedIndex(uint8_t index);
    void onButtonClicked(const quillon::AbstractButton& button);

    quillon::Box topLine;
    IconLabelButton buttons[BUTTON_COUNT];
    quillon::Callback<BottomBar, const quillon::AbstractButton&> buttonHandler;
    quillon::GenericCallback<int>* barCallback;
};
} // namespace guicontrols

#endif
