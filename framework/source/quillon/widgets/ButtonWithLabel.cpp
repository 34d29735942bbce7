#include <quillon/Font.hpp>
#include <quillon/WildcardReader.hpp>
#include <quillon/hal/HAL.hpp>
#include <quillon/lcd/LCD.hpp>
#include <quillon/widgets/ButtonWithLabel.hpp>

namespace quillon
{
void ButtonWithLabel::setLabelText(TypedText text)
{
    typedText = text;
    textHeightIncludingSpacing = 0;
    const Font* font = text.hasValidId() ? text.getFont() : nullptr;
    if (font == nullptr) {
        return;
    }
    // Read without arguments: a label has no wildcards to fill.
    WildcardReader reader;
    reader.initialize(text.getText());
    const uint16_t maxHeight = font->getMaxTextHeight(reader);
    reader.initialize(text.getText());
    const uint8_t spacingAbove = font->getSpacingAbove(reader);
    textHeightIncludingSpacing = static_cast<uint8_t>(maxHeight + spacingAbove);
}

void ButtonWithLabel::setLabelColor(Color newColor, bool redraw)
{
    color = newColor;
    if (redraw) {
        invalidate();
    }
}

void ButtonWithLabel::setLabelColorPressed(Color newColor, bool redraw)
{
    colorPressed = newColor;
    if (redraw) {
        invalidate();
    }
}

Rectangle ButtonWithLabel::labelBand() const
{
    const int16_t h = textHeightIncludingSpacing;
    if (rotation == LCD::TEXT_ROTATE_90 || rotation == LCD::TEXT_ROTATE_270) {
        return Rectangle(static_cast<int16_t>((rect.width - h) / 2), 0, h, rect.height);
    }
    return Rectangle(0, static_cast<int16_t>((rect.height - h) / 2), rect.width, h);
}

void ButtonWithLabel::draw(const Rectangle& area) const
{
    Button::draw(area);
    const Font* font = typedText.hasValidId() ? typedText.getFont() : nullptr;
    if (font == nullptr) {
        return;
    }
    Rectangle band = labelBand();
    Rectangle invalidated = band & area;
    if (invalidated.isEmpty()) {
        return;
    }
    invalidated.x = static_cast<int16_t>(invalidated.x - band.x);
    invalidated.y = static_cast<int16_t>(invalidated.y - band.y);
    toScreenCoordinates(band);
    const LCD::TextStyle style(font, pressed ? colorPressed : color, alpha, typedText.getAlignment(), 0, rotation);
    // The null argument makes a stray "%s" vanish instead of reading an argument nobody passed.
    HAL::lcd().drawString(band, invalidated, style, typedText.getText(), static_cast<const WideChar*>(nullptr));
}
} // namespace quillon
