#ifndef GUICONTROLS_TILEBUTTONWITHSTAR_HPP
#define GUICONTROLS_TILEBUTTONWITHSTAR_HPP

#include "guicontrols/TileButton.hpp"

namespace guicontrols
{
// A tile marked with a star at its upper left (the favourites).
class TileButtonWithStar : public TileButton
{
public:
    TileButtonWithStar() : star(206) {}

    void draw(const quillon::Rectangle& area) const override;

private:
    quillon::Bitmap star;
};
} // namespace guicontrols

#endif
