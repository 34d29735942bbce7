#include "guicontrols/CheckableIconButton.hpp"

#include "guicontrols/CheckMark.hpp"

namespace guicontrols
{
void CheckableIconButton::draw(const quillon::Rectangle& area) const
{
    IconButton::draw(area);
    drawCheckMark(*this, *this, checkMark, area);
}
} // namespace guicontrols
