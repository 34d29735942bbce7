#ifndef GUICONTROLS_CHECKABLETILEBUTTON_HPP
#define GUICONTROLS_CHECKABLETILEBUTTON_HPP

#include "guicontrols/ICheckable.hpp"
#include "guicontrols/TileButton.hpp"

namespace guicontrols
{
// A TileButton with a check-mark overlay while checked.
class CheckableTileButton : public TileButton, public ICheckable
{
public:
    CheckableTileButton() : checkMark(8) {}

    void draw(const quillon::Rectangle& area) const override;

private:
    quillon::Bitmap checkMark;
};
} // namespace guicontrols

#endif
