#include "guicontrols/CheckableLongButton.hpp"

#include "guicontrols/CheckMark.hpp"

namespace guicontrols
{
void CheckableLongButton::draw(const quillon::Rectangle& area) const
{
    LongButton::draw(area);
    drawCheckMark(*this, *this, checkMark, area);
}
} // namespace guicontrols
