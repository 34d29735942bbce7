#include "guicontrols/SubTextItem.hpp"

namespace guicontrols
{
namespace
{
const int16_t INDENT = 30;
}

void SubTextItem::updateLayout()
{
    placeChildren();
    text.setPosition(static_cast<int16_t>(text.getX() + INDENT), text.getY(),
                     static_cast<int16_t>(text.getWidth() - INDENT), text.getHeight());
    fitTexts();
}
} // namespace guicontrols
