#include "guicontrols/ItemsArea.hpp"

namespace guicontrols
{
void ItemsArea::setPosition(int16_t x, int16_t y, int16_t width, int16_t height)
{
    Container::setPosition(x, y, width, height);
    widenChildren();
}

void ItemsArea::setWidth(int16_t width)
{
    Container::setWidth(width);
    widenChildren();
}

void ItemsArea::widenChildren()
{
    for (quillon::Drawable* child = firstChild; child != nullptr; child = child->getNextSibling()) {
        child->setWidth(getWidth());
    }
}
} // namespace guicontrols
