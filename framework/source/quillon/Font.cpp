#include <quillon/Font.hpp>
#include <quillon/WildcardReader.hpp>

namespace quillon
{
namespace
{
const WideChar NEWLINE = '\n';
}

const GlyphRecord* Font::getGlyph(WideChar unicode) const
{
    const uint8_t* pixelData = nullptr;
    uint8_t glyphBitsPerPixel = 0;
    return getGlyphWithData(unicode, pixelData, glyphBitsPerPixel);
}

uint16_t Font::getCharWidth(WideChar unicode) const
{
    const GlyphRecord* glyph = getGlyph(unicode);
    return glyph != nullptr ? glyph->getAdvance() : 0;
}

int8_t Font::getKerning(WideChar, const GlyphRecord*) const
{
    return 0;
}

int16_t Font::getStringWidth(const WideChar* text, ...) const
{
    va_list arguments;
    va_start(arguments, text);
    WildcardReader reader;
    reader.initialize(text, arguments);
    va_end(arguments);
    return getStringWidth(reader);
}

uint8_t Font::getSpacingAbove(const WideChar* text, ...) const
{
    va_list arguments;
    va_start(arguments, text);
    WildcardReader reader;
    reader.initialize(text, arguments);
    va_end(arguments);
    return getSpacingAbove(reader);
}

uint16_t Font::getMaxTextHeight(const WideChar* text, ...) const
{
    va_list arguments;
    va_start(arguments, text);
    WildcardReader reader;
    reader.initialize(text, arguments);
    va_end(arguments);
    return getMaxTextHeight(reader);
}

int16_t Font::getStringWidth(WildcardReader& reader) const
{
    int16_t widest = 0;
    int16_t lineWidth = 0;
    WideChar previous = 0;
    for (WideChar character = reader.getNextChar(); character != 0; character = reader.getNextChar()) {
        if (character == NEWLINE) {
            if (lineWidth > widest) {
                widest = lineWidth;
            }
            lineWidth = 0;
        } else {
            const GlyphRecord* glyph = getGlyph(character);
            if (glyph != nullptr) {
                lineWidth = static_cast<int16_t>(lineWidth + glyph->getAdvance() + getKerning(previous, glyph));
            }
        }
        previous = character;
    }
    return lineWidth > widest ? lineWidth : widest;
}

uint8_t Font::getSpacingAbove(WildcardReader& reader) const
{
    uint8_t smallest = 255;
    for (WideChar character = reader.getNextChar(); character != 0; character = reader.getNextChar()) {
        const GlyphRecord* glyph = character != NEWLINE ? getGlyph(character) : nullptr;
        if (glyph != nullptr) {
            const uint8_t spacing = static_cast<uint8_t>(height - glyph->getTop());
            if (spacing < smallest) {
                smallest = spacing;
            }
        }
    }
    return smallest;
}

uint16_t Font::getMaxTextHeight(WildcardReader& reader) const
{
    uint16_t largest = 0;
    for (WideChar character = reader.getNextChar(); character != 0; character = reader.getNextChar()) {
        const GlyphRecord* glyph = character != NEWLINE ? getGlyph(character) : nullptr;
        if (glyph != nullptr) {
            const uint16_t bottom = static_cast<uint16_t>(height - glyph->getTop() + glyph->getHeight());
            if (bottom > largest) {
                largest = bottom;
            }
        }
    }
    return largest;
}
} // namespace quillon
