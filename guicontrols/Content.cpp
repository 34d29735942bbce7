#include "guicontrols/Content.hpp"

#include "guicontrols/Palette.hpp"

namespace guicontrols
{
namespace
{
const uint8_t BACKGROUND = 6;
}

Content::Content(int16_t x, int16_t y, int16_t width, int16_t height) : initialWidth(width), changeCallback(nullptr)
{
    Container::setPosition(x, y, width, height);
    background.setPosition(0, 0, width, height);
    background.setColor(Palette::entry(BACKGROUND));
    add(background);
}

void Content::notifyChange()
{
    if (changeCallback != nullptr && changeCallback->isValid()) {
        changeCallback->execute();
    }
}

void Content::setX(int16_t x)
{
    Container::setX(x);
    notifyChange();
}

void Content::setWidth(int16_t width)
{
    Container::setWidth(width);
    background.setWidth(width);
    notifyChange();
}

void Content::reset()
{
    removeAll();
    add(background);
    setWidth(initialWidth);
    Container::setX(0); // quietly: the width change has told the frame already
    invalidate();
}
} // namespace guicontrols
