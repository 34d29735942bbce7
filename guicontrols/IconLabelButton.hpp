#ifndef GUICONTROLS_ICONLABELBUTTON_HPP
#define GUICONTROLS_ICONLABELBUTTON_HPP

#include "guicontrols/IconButton.hpp"

#include <quillon/Font.hpp>
#include <quillon/FontManager.hpp>

namespace guicontrols
{
// An icon button that shows a one-line label in place of its icon while a label is set
// (the bottom-bar buttons). The label colour is read through a pointer at every draw.
class IconLabelButton : public IconButton
{
public:
    IconLabelButton();

    void draw(const quillon::Rectangle& area) const override;

    // Borrowed, not copied; null shows the icon again.
    void setLabel(const quillon::WideChar* text) { label = text; }
    void setFontId(quillon::FontId id);
    void setFont(const quillon::Font* labelFont) { font = labelFont; }
    void setLabelColor(const quillon::Color* color) { labelColor = color; }

private:
    // The font of the font id when none was resolved yet (texts registered after construction).
    const quillon::Font* labelFont() const;

    const quillon::WideChar* label;
    quillon::FontId fontId;
    const quillon::Font* font;
    const quillon::Color* labelColor;
};
} // namespace guicontrols

#endif
