#include "guicontrols/TileButtonWithStar.hpp"

#include "guicontrols/BitmapDrawing.hpp"

namespace guicontrols
{
void TileButtonWithStar::draw(const quillon::Rectangle& area) const
{
    TileButton::draw(area);
    BitmapDrawing::draw(*this, star, 70, static_cast<int16_t>(getHeight() / 14), area, alpha);
}
} // namespace guicontrols
