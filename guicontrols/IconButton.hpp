#ifndef GUICONTROLS_ICONBUTTON_HPP
#define GUICONTROLS_ICONBUTTON_HPP

#include "guicontrols/RepeatableButton.hpp"

#include <quillon/Bitmap.hpp>

namespace guicontrols
{
// A repeatable button with an icon centred on its bitmap, in the button alpha.
class IconButton : public RepeatableButton
{
public:
    IconButton() : icon(quillon::BITMAP_NONE) {}

    void draw(const quillon::Rectangle& area) const override;

    void setIcon(const quillon::Bitmap& bitmap) { icon = bitmap; }
    const quillon::Bitmap& getIcon() const { return icon; }
    bool isPressed() const { return pressed; }

protected:
    // The icon centred on the button, clipped to area.
    void drawIcon(const quillon::Rectangle& area) const;

    quillon::Bitmap icon;
};
} // namespace guicontrols

#endif
