#ifndef QUILLON_WIDGETS_BUTTONWITHLABEL_HPP
#define QUILLON_WIDGETS_BUTTONWITHLABEL_HPP

#include <quillon/TypedText.hpp>
#include <quillon/widgets/Button.hpp>

namespace quillon
{
// A button with a typed-text label centred across it: in a horizontal band for the upright
// and upside-down rotations, in a vertical band for the two quarter turns.
class ButtonWithLabel : public Button
{
public:
    ButtonWithLabel() : color(0), colorPressed(0), rotation(0), textHeightIncludingSpacing(0) {}

    void draw(const Rectangle& area) const override;
    uint16_t getType() const override { return 7; }

    // Caches the label's height with the space above its highest glyph.
    void setLabelText(TypedText text);
    TypedText getLabelText() const { return typedText; }
    // Redraws only when asked to.
    void setLabelColor(Color color, bool redraw = false);
    void setLabelColorPressed(Color color, bool redraw = false);
    // 0..3 as the renderer's text rotations; no redraw.
    void setLabelRotation(uint32_t rotation) { this->rotation = rotation; }
    uint32_t getLabelRotation() const { return rotation; }

protected:
    // The band the label is centred in, in the button's coordinates.
    Rectangle labelBand() const;

    TypedText typedText;
    Color color;
    Color colorPressed;
    uint32_t rotation;
    uint8_t textHeightIncludingSpacing;
};
} // namespace quillon

#endif
