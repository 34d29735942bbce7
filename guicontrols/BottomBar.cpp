#include "guicontrols/BottomBar.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/Assert.hpp>

namespace guicontrols
{
namespace
{
const quillon::BitmapId RELEASED = 0;
const quillon::BitmapId PRESSED = 1;
const int16_t BUTTON_WIDTH = 134;
// The last button is narrowed so that the six end at the display's right edge (0..799).
const int16_t LAST_BUTTON_WIDTH = 130;
const int16_t LINE_HEIGHT = 2;
const uint8_t LINE_COLOR = 2;
} // namespace

BottomBar::BottomBar(int16_t x, int16_t y, int16_t width, int16_t height)
    : buttonHandler(this, &BottomBar::onButtonClicked), barCallback(nullptr)
{
    setPosition(x, y, width, height);
    topLine.setPosition(0, 0, width, LINE_HEIGHT);
    topLine.setColor(Palette::entry(LINE_COLOR));
    for (uint8_t i = 0; i < BUTTON_COUNT; ++i) {
        IconLabelButton& button = buttons[i];
        button.setBitmaps(quillon::Bitmap(RELEASED), quillon::Bitmap(PRESSED));
        button.setXY(static_cast<int16_t>(i * BUTTON_WIDTH), LINE_HEIGHT);
        button.setTouchable(false);
        button.setAction(buttonHandler);
        add(button);
    }
    buttons[BUTTON_COUNT - 1].setWidth(LAST_BUTTON_WIDTH);
    add(topLine);
}

uint8_t BottomBar::checkedIndex(uint8_t index)
{
    QUILLON_ASSERT(index < BUTTON_COUNT && "Bottom-bar button index out of range");
    return index;
}

void BottomBar::setButtonIcon(uint8_t index, quillon::BitmapId bitmapId)
{
    IconLabelButton& button = buttons[checkedIndex(index)];
    button.setIcon(quillon::Bitmap(bitmapId));
    button.setLabel(nullptr);
    button.setTouchable(true);
}

void BottomBar::setButtonText(uint8_t index, quillon::TextId textId, const quillon::Color* color)
{
    IconLabelButton& button = buttons[checkedIndex(index)];
    button.setIcon(quillon::Bitmap(quillon::BITMAP_NONE));
    button.setLabel(quillon::TypedText(textId).getText());
    button.setLabelColor(color);
    button.setTouchable(true);
}

void BottomBar::setButtonTouchable(uint8_t index, bool touchable)
{
    buttons[checkedIndex(index)].setTouchable(touchable);
}

void BottomBar::clearButton(uint8_t index)
{
    IconLabelButton& button = buttons[checkedIndex(index)];
    button.setIcon(quillon::Bitmap(quillon::BITMAP_NONE));
    button.setLabel(nullptr);
    button.setTouchable(false);
}

void BottomBar::clearAllButtons()
{
    for (uint8_t i = 0; i < BUTTON_COUNT; ++i) {
        clearButton(i);
    }
}

void BottomBar::setAllButtonsTouchable(bool touchable)
{
    for (uint8_t i = 0; i < BUTTON_COUNT; ++i) {
        buttons[i].setTouchable(touchable);
    }
}

void BottomBar::onButtonClicked(const quillon::AbstractButton& button)
{
    if (barCallback == nullptr || !barCallback->isValid()) {
        return;
    }
    for (uint8_t i = 0; i < BUTTON_COUNT; ++i) {
        if (&button == &buttons[i]) {
            barCallback->execute(i);
            return;
        }
    }
}
} // namespace guicontrols
