#include "guicontrols/CheckableSmallButton.hpp"

#include "guicontrols/CheckMark.hpp"

namespace guicontrols
{
void CheckableSmallButton::draw(const quillon::Rectangle& area) const
{
    SmallButton::draw(area);
    drawCheckMark(*this, *this, checkMark, area);
}
} // namespace guicontrols
