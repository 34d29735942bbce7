#include <quillon/Font.hpp>
#include <quillon/WildcardReader.hpp>
#include <quillon/hal/HAL.hpp>
#include <quillon/lcd/LCD.hpp>
#include <quillon/widgets/TextArea.hpp>

namespace quillon
{
int16_t TextArea::heightOfText(WildcardReader& reader) const
{
    const Font* font = typedText.getFont();
    if (font == nullptr) {
        return 0;
    }
    uint16_t lineFeeds = 0;
    for (WideChar character = reader.getNextChar(); character != 0; character = reader.getNextChar()) {
        if (character == '\n') {
            lineFeeds++;
        }
    }
    const int16_t fullHeight = static_cast<int16_t>(font->getFullHeight());
    return static_cast<int16_t>(fullHeight + lineFeeds * (fullHeight + linespacing));
}

int16_t TextArea::getTextHeight() const
{
    if (!typedText.hasValidId()) {
        return 0;
    }
    // Read without arguments: placeholders vanish as they do when the plain area draws.
    WildcardReader reader;
    reader.initialize(typedText.getText());
    return heightOfText(reader);
}

int16_t TextArea::getTextWidth() const
{
    if (!typedText.hasValidId()) {
        return 0;
    }
    const Font* font = typedText.getFont();
    if (font == nullptr) {
        return 0;
    }
    WildcardReader reader;
    reader.initialize(typedText.getText());
    return font->getStringWidth(reader);
}

void TextArea::setTextId(TypedText text)
{
    typedText = text;
    if (rect.width == 0 && rect.height == 0) {
        fitToText();
    }
}

void TextArea::fitToText()
{
    if (!typedText.hasValidId()) {
        return;
    }
    setHeight(getTextHeight());
    setWidth(getTextWidth());
}

void TextArea::draw(const Rectangle& area) const
{
    drawText(area, nullptr);
}

// A plain area passes a null text: a stray "%s" then vanishes instead of reading an
// argument nobody passed.
void TextArea::drawText(const Rectangle& area, const WideChar* wildcard) const
{
    const Font* font = typedText.hasValidId() ? typedText.getFont() : nullptr;
    if (font == nullptr) {
        return;
    }
    const LCD::TextStyle style(font, color, alpha, typedText.getAlignment(), linespacing, rotation);
    HAL::lcd().drawString(getAbsoluteRect(), area, style, typedText.getText(), wildcard);
}
} // namespace quillon
