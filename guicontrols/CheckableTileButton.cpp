#include "guicontrols/CheckableTileButton.hpp"

#include "guicontrols/CheckMark.hpp"

namespace guicontrols
{
void CheckableTileButton::draw(const quillon::Rectangle& area) const
{
    TileButton::draw(area);
    drawCheckMark(*this, *this, checkMark, area);
}
} // namespace guicontrols
