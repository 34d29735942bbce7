#ifndef GUICONTROLS_TILEBUTTON_HPP
#define GUICONTROLS_TILEBUTTON_HPP

#include <quillon/Bitmap.hpp>
#include <quillon/widgets/Button.hpp>

namespace guicontrols
{
// A 224 x 140 menu tile: an icon in its upper part and a word-wrapped text below it, or
// either one alone, centred.
class TileButton : public quillon::Button
{
public:
    TileButton();

    void draw(const quillon::Rectangle& area) const override;

    void setIcon(const quillon::Bitmap& bitmap) { icon = bitmap; }
    // Borrowed, not copied; null: no text.
    void setText(const quillon::WideChar* value) { text = value; }
    const quillon::WideChar* getText() const { return text; }

protected:
    quillon::Bitmap icon;
    const quillon::WideChar* text;

private:
    void drawText(const quillon::Rectangle& area, bool withIcon) const;
};
} // namespace guicontrols

#endif
