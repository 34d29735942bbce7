#include "guicontrols/SelectableBox.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/hal/HAL.hpp>
#include <quillon/lcd/LCD.hpp>

namespace guicontrols
{
namespace
{
const uint8_t SELECTED = 14;
const uint8_t NOT_SELECTED = 15;
} // namespace

SelectableBox::SelectableBox()
{
    setPosition(0, 0, SIZE, SIZE);
}

SelectableBox::SelectableBox(const SelectableBox& other) : quillon::Widget(), ICheckable()
{
    *this = other;
}

SelectableBox& SelectableBox::operator=(const SelectableBox& other)
{
    if (this != &other) {
        setPosition(other.getX(), other.getY(), other.getWidth(), other.getHeight());
        setVisible(other.isVisible());
        setTouchable(other.isTouchable());
        setChecked(other.isChecked());
    }
    return *this;
}

void SelectableBox::draw(const quillon::Rectangle& area) const
{
    quillon::Rectangle part = area & quillon::Rectangle(0, 0, getWidth(), getHeight());
    if (part.isEmpty()) {
        return;
    }
    toScreenCoordinates(part);
    quillon::HAL::lcd().fillRect(part, Palette::entry(isChecked() ? SELECTED : NOT_SELECTED), 255);
}
} // namespace guicontrols
