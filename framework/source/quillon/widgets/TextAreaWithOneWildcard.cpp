#include <quillon/Font.hpp>
#include <quillon/widgets/TextAreaWithOneWildcard.hpp>

namespace quillon
{
void TextAreaWithOneWildcard::draw(const Rectangle& area) const
{
    drawText(area, wildcard);
}

int16_t TextAreaWithOneWildcard::getTextHeight() const
{
    if (!typedText.hasValidId()) {
        return 0;
    }
    return calculateTextHeight(typedText.getText(), wildcard);
}

int16_t TextAreaWithOneWildcard::getTextWidth() const
{
    if (!typedText.hasValidId()) {
        return 0;
    }
    const Font* font = typedText.getFont();
    return font != nullptr ? font->getStringWidth(typedText.getText(), wildcard) : 0;
}
} // namespace quillon
