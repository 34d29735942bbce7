#ifndef GUICONTROLS_SELECTABLEBOX_HPP
#define GUICONTROLS_SELECTABLEBOX_HPP

#include "guicontrols/ICheckable.hpp"

#include <quillon/Widget.hpp>

namespace guicontrols
{
// One square page dot, 15 x 15, light while selected (checked). Copies take the rectangle,
// the flags and the selection but never the prototype's place in a container.
class SelectableBox : public quillon::Widget, public ICheckable
{
public:
    static const int16_t SIZE = 15;

    SelectableBox();
    SelectableBox(const SelectableBox& other);
    SelectableBox& operator=(const SelectableBox& other);

    // Fills the redrawn part of the dot, so that a partial redraw leaves no stale pixels.
    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(0, 0, getWidth(), getHeight()); }
};
} // namespace guicontrols

#endif
