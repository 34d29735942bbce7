#include "guicontrols/ScrollBar.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/Bitmap.hpp>

namespace guicontrols
{
namespace
{
const uint8_t BACKGROUND = 4;
const quillon::BitmapId BUTTON = 16; // the bar is as wide as the scroll buttons
const int16_t INITIAL_HEIGHT = 200;
const uint8_t INITIAL_LENGTH = 70;
} // namespace

ScrollBar::ScrollBar() : position(0)
{
    const int16_t width = quillon::Bitmap(BUTTON).getWidth();
    setPosition(0, 0, width, INITIAL_HEIGHT);
    background.setPosition(0, 0, width, INITIAL_HEIGHT);
    background.setColor(Palette::entry(BACKGROUND));
    indicator.setXY(0, 0);
    indicator.setHeight(INITIAL_LENGTH);
    add(background);
    add(indicator);
}

void ScrollBar::setIndicatorPosition(uint8_t p)
{
    position = p;
    indicator.setY(p);
    invalidate();
}

uint16_t ScrollBar::getRange() const
{
    const int32_t range = getHeight() - indicator.getHeight();
    return static_cast<uint16_t>(range > 0 ? range : 0);
}
} // namespace guicontrols
