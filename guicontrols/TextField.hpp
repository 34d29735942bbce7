#ifndef GUICONTROLS_TEXTFIELD_HPP
#define GUICONTROLS_TEXTFIELD_HPP

#include <quillon/Font.hpp>
#include <quillon/TypedText.hpp>
#include <quillon/Widget.hpp>

#include <stdint.h>

namespace guicontrols
{
// The text widget of the whole GUI: a typed text, resolved in the current language at every
// draw, or a raw UTF-16 text borrowed from its owner with the font to draw it in. The raw
// text wins when both are set. The text is drawn literally (no wildcards) and twice, which
// gives the panel's heavier anti-aliased stroke. Setters only store: the owner invalidates.
class TextField : public quillon::Widget
{
public:
    TextField();

    void draw(const quillon::Rectangle& area) const override;
    // Never opaque: the glyphs let the background through.
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }

    virtual void setColor(quillon::Color color) { this->color = color; }
    // The raw-text font when a raw text is set, else the typed text's font.
    virtual const quillon::Font* getFont() const;
    // The raw text, else the typed text's string, else "".
    virtual const quillon::WideChar* getText() const;

    // Drops any raw text.
    void setTextId(const quillon::TypedText& text);
    // Clears the typed text; the text and its font are kept only when both are given, so a
    // missing font leaves the earlier raw text shown.
    void setText(const quillon::WideChar* text, const quillon::Font* font);
    // One empty line in font id 2.
    void setEmptyText();
    // Redraws a raw text in another font; no effect on a typed text.
    void setRawFont(const quillon::Font* font)
    {
        if (rawText != nullptr && font != nullptr) {
            rawFont = font;
        }
    }
    void setAlignment(uint32_t alignment) { horizontalAlignment = alignment; }
    void setVerticalAlignment(uint32_t alignment) { verticalAlignment = alignment; }
    uint32_t getAlignment() const { return horizontalAlignment; }
    uint32_t getVerticalAlignment() const { return verticalAlignment; }

    bool hasText() const { return rawText != nullptr || typedText.hasValidId(); }
    // Lines times the font's full height; asked only of a field that has a text.
    uint16_t getTextHeight() const;

    quillon::Color getColor() const { return color; }
    const quillon::TypedText& getTypedText() const { return typedText; }

protected:
    // Where the text lies in the field: full width, getTextHeight() high, moved down by the
    // vertical alignment (up, past the top, when the text is taller than the field).
    quillon::Rectangle getTextBox() const;

    quillon::Color color;
    uint32_t horizontalAlignment;
    uint32_t verticalAlignment;
    quillon::TypedText typedText;
    const quillon::WideChar* rawText;
    const quillon::Font* rawFont;
};
} // namespace guicontrols

#endif
