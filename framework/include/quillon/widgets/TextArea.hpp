#ifndef QUILLON_WIDGETS_TEXTAREA_HPP
#define QUILLON_WIDGETS_TEXTAREA_HPP

#include <quillon/TypedText.hpp>
#include <quillon/Widget.hpp>

namespace quillon
{
class WildcardReader;

// A typed text in the font and alignment its record gives, in a colour and rotation of the
// widget's own. Text never occludes. No setter redraws.
class TextArea : public Widget
{
public:
    TextArea() : color(0), alpha(255), linespacing(0), rotation(0) {}

    void draw(const Rectangle& area) const override;
    Rectangle getOpaqueArea() const override { return Rectangle(); }
    uint16_t getType() const override { return 12; }

    // 0 for an invalid id. Every line feed adds a line of full height plus the line spacing.
    virtual int16_t getTextHeight() const;
    // The widest line; 0 for an invalid id.
    virtual int16_t getTextWidth() const;

    // An area still 0 x 0 takes the size of the text; one that was given a size keeps it.
    void setTextId(TypedText text);
    TypedText getTypedText() const { return typedText; }
    // Height, then width, to the text's; nothing for an invalid id.
    void fitToText();
    void setColor(Color color) { this->color = color; }
    Color getColor() const { return color; }
    void setAlpha(uint8_t alpha) { this->alpha = alpha; }
    uint8_t getAlpha() const { return alpha; }
    void setLinespacing(uint16_t spacing) { linespacing = spacing; }
    uint16_t getLinespacing() const { return linespacing; }
    // 0..3 as the renderer's text rotations.
    void setRotation(uint32_t rotation) { this->rotation = rotation; }
    uint32_t getRotation() const { return rotation; }

protected:
    // Full height of the font for the first line and for every line feed the reader gives,
    // plus the spacing between lines.
    int16_t heightOfText(WildcardReader& reader) const;
    // The text with one text argument for its "%s" (null: the placeholder vanishes).
    void drawText(const Rectangle& area, const WideChar* wildcard) const;

    TypedText typedText;
    Color color;
    uint8_t alpha;
    uint16_t linespacing;
    uint32_t rotation;
};
} // namespace quillon

#endif
