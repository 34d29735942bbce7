#ifndef GUICONTROLS_SHIFTBUTTON_HPP
#define GUICONTROLS_SHIFTBUTTON_HPP

#include "guicontrols/ICheckable.hpp"
#include "guicontrols/IconButton.hpp"

namespace guicontrols
{
// The shift key of the text keyboard: its icon centred on a third of the height and, while
// checked (shift active), the frame bitmap 3 over the whole key.
class ShiftButton : public IconButton, public ICheckable
{
public:
    void draw(const quillon::Rectangle& area) const override;
};
} // namespace guicontrols

#endif
