#include <quillon/WildcardReader.hpp>
#include <quillon/hal/HAL.hpp>
#include <quillon/lcd/LCD.hpp>

#include <stdio.h>

namespace quillon
{
namespace
{
const WideChar NEWLINE = '\n';

// Reads and drops the rest of a line; false when the text ended instead.
bool skipRestOfLine(WildcardReader& reader)
{
    for (;;) {
        const WideChar character = reader.getNextChar();
        if (character == 0) {
            return false;
        }
        if (character == NEWLINE) {
            return true;
        }
    }
}
} // namespace

int16_t LCD::glyphStartX(const Rectangle& area, int16_t x, int16_t y, uint32_t rotation)
{
    switch (rotation) {
    case TEXT_ROTATE_90:
        return static_cast<int16_t>(area.x + area.width - y - 1);
    case TEXT_ROTATE_180:
        return static_cast<int16_t>(area.x + area.width - x - 1);
    case TEXT_ROTATE_270:
        return static_cast<int16_t>(area.x + y);
    default:
        return static_cast<int16_t>(area.x + x);
    }
}

int16_t LCD::glyphStartY(const Rectangle& area, int16_t x, int16_t y, uint32_t rotation)
{
    switch (rotation) {
    case TEXT_ROTATE_90:
        return static_cast<int16_t>(area.y + x);
    case TEXT_ROTATE_180:
        return static_cast<int16_t>(area.y + area.height - y - 1);
    case TEXT_ROTATE_270:
        return static_cast<int16_t>(area.y + area.height - x - 1);
    default:
        return static_cast<int16_t>(area.y + y);
    }
}

Rectangle LCD::rotateRect(const Rectangle& r, const Rectangle& c, uint32_t rotation)
{
    switch (rotation) {
    case TEXT_ROTATE_90:
        return Rectangle(r.y, static_cast<int16_t>(c.width - r.width - r.x), r.height, r.width);
    case TEXT_ROTATE_180:
        return Rectangle(static_cast<int16_t>(c.width - r.width - r.x), static_cast<int16_t>(c.height - r.height - r.y),
                         r.width, r.height);
    case TEXT_ROTATE_270:
        return Rectangle(static_cast<int16_t>(c.height - r.height - r.y), r.x, r.height, r.width);
    default:
        return r;
    }
}

int16_t LCD::getLineAlignmentOffset(WildcardReader& reader, const Font* font, Alignment alignment,
                                    const Rectangle& frame)
{
    int16_t lineWidth = 0;
    WideChar previous = 0;
    for (WideChar character = reader.getNextChar(); character != 0 && character != NEWLINE;
         character = reader.getNextChar()) {
        const GlyphRecord* glyph = font->getGlyph(character);
        lineWidth = static_cast<int16_t>(lineWidth + font->getCharWidth(character) + font->getKerning(previous, glyph));
        previous = character;
    }
    switch (alignment) {
    case CENTER:
        return static_cast<int16_t>((frame.width - lineWidth) / 2);
    case RIGHT:
        return static_cast<int16_t>(frame.width - lineWidth);
    default:
        return 0;
    }
}

void LCD::drawString(Rectangle widgetArea, const Rectangle& invalidatedArea, const TextStyle& style,
                     const WideChar* text, ...)
{
    va_list arguments;
    va_start(arguments, text);
    drawStringWithArguments(widgetArea, invalidatedArea, style, text, arguments);
    va_end(arguments);
}

// The drawing reader and, for aligned text, the measuring one, which reads each line ahead
// of it; both pass over skipped lines in step.
struct LCD::TextReaders
{
    WildcardReader drawing;
    WildcardReader measuring;
    bool aligned;
};

// Where one drawString call draws: the widget, the invalidated area in the text frame and the
// frame buffer it holds.
struct LCD::TextTarget
{
    Rectangle widgetArea;
    Rectangle inv;
    int16_t invRight;
    int16_t invBottom;
    uint16_t* frameBuffer;
};

void LCD::drawStringWithArguments(Rectangle widgetArea, const Rectangle& invalidatedArea, const TextStyle& style,
                                  const WideChar* text, va_list arguments)
{
    if (text == nullptr || style.font == nullptr || style.alpha == 0) {
        return;
    }
    Rectangle frame(0, 0, widgetArea.width, widgetArea.height);
    const Rectangle inv = rotateRect(invalidatedArea, frame, style.rotation);
    frame = rotateRect(frame, frame, style.rotation);

    TextReaders readers;
    readers.aligned = style.alignment != LEFT;
    readers.drawing.initialize(text, arguments);
    if (readers.aligned) {
        readers.measuring.initialize(text, arguments);
    }
    const int16_t lineHeight = static_cast<int16_t>(style.lineSpacing + style.font->getFullHeight());
    if (!skipLinesAbove(readers, lineHeight, inv.y, frame)) {
        return;
    }

    HAL* hal = HAL::getInstance();
    const TextTarget target{widgetArea, inv, inv.right(), inv.bottom(), hal->acquireFrameBuffer()};
    // Lines below the area are still read, so the readers always reach the end of the text.
    while (drawLine(readers, style, frame, target)) {
        frame.y = static_cast<int16_t>(frame.y + lineHeight);
        frame.height = static_cast<int16_t>(frame.height - lineHeight);
    }
    hal->releaseFrameBuffer();
}

bool LCD::skipLinesAbove(TextReaders& readers, int16_t lineHeight, int16_t invY, Rectangle& frame)
{
    // Lines are counted by their newlines; no glyph is looked up.
    int16_t linesAbove = lineHeight > 0 ? static_cast<int16_t>(invY / lineHeight) : 0;
    while (linesAbove > 0) {
        const WideChar character = readers.drawing.getNextChar();
        if (readers.aligned) {
            readers.measuring.getNextChar();
        }
        if (character == 0) {
            return false;
        }
        if (character == NEWLINE) {
            --linesAbove;
            frame.y = static_cast<int16_t>(frame.y + lineHeight);
            frame.height = static_cast<int16_t>(frame.height - lineHeight);
        }
    }
    return true;
}

bool LCD::drawLine(TextReaders& readers, const TextStyle& style, const Rectangle& frame, const TextTarget& target)
{
    const Font* font = style.font;
    const int16_t offset =
        readers.aligned ? getLineAlignmentOffset(readers.measuring, font, style.alignment, frame) : 0;
    int16_t x = static_cast<int16_t>(frame.x + offset);
    WideChar previous = 0;
    for (;;) {
        const WideChar character = readers.drawing.getNextChar();
        if (character == 0) {
            return false;
        }
        if (character == NEWLINE) {
            return true;
        }
        const uint8_t* data = nullptr;
        uint8_t bitsPerPixel = 0;
        const GlyphRecord* glyph = font->getGlyphWithData(character, data, bitsPerPixel);
        if (glyph == nullptr) {
            printf("WARNING: Skipping character '%c'\n", static_cast<int>(character));
            continue;
        }
        if (previous != 0) {
            x = static_cast<int16_t>(x + font->getKerning(previous, glyph));
        } else if (glyph->left < 0) {
            x = static_cast<int16_t>(x - glyph->left); // a line never starts left of its pen
        }
        previous = character;
        if (x > target.invRight) {
            // The rest of the line is read, not measured.
            return skipRestOfLine(readers.drawing);
        }
        drawVisibleGlyph(x, frame.y, style, glyph, data, bitsPerPixel, target);
        x = static_cast<int16_t>(x + glyph->getAdvance());
    }
}

void LCD::drawVisibleGlyph(int16_t x, int16_t lineTop, const TextStyle& style, const GlyphRecord* glyph,
                           const uint8_t* data, uint8_t bitsPerPixel, const TextTarget& target)
{
    const Rectangle& inv = target.inv;
    if (x < inv.x && x + glyph->getAdvance() < inv.x) {
        return; // left of the area
    }
    const int16_t skipX = x < inv.x ? static_cast<int16_t>(inv.x - x) : 0;
    const int16_t glyphTop = static_cast<int16_t>(lineTop + style.font->getFontHeight() - glyph->getTop());
    int16_t skipY = 0;
    int16_t y = glyphTop;
    if (glyphTop < inv.y) {
        if (inv.y > glyphTop + glyph->getHeight()) {
            return; // above the area
        }
        skipY = static_cast<int16_t>(inv.y - glyphTop);
        y = inv.y;
    }
    drawGlyph(target.frameBuffer, target.widgetArea, static_cast<int16_t>(x + skipX), y,
              static_cast<uint16_t>(skipX), static_cast<uint16_t>(skipY), target.invRight, target.invBottom, glyph,
              data, style.color, bitsPerPixel, style.alpha, style.rotation);
}

void LCD::drawHorizontalLine(int16_t x, int16_t y, uint16_t width, uint16_t lineWidth, Color color, uint8_t alpha)
{
    fillRect(Rectangle(x, y, static_cast<int16_t>(width), static_cast<int16_t>(lineWidth)), color, alpha);
}

void LCD::drawVerticalLine(int16_t x, int16_t y, uint16_t height, uint16_t lineWidth, Color color, uint8_t alpha)
{
    fillRect(Rectangle(x, y, static_cast<int16_t>(lineWidth), static_cast<int16_t>(height)), color, alpha);
}

void LCD::drawBorder(const Rectangle& rect, uint16_t lineWidth, Color color, uint8_t alpha)
{
    const int16_t line = static_cast<int16_t>(lineWidth);
    fillRect(Rectangle(rect.x, rect.y, line, rect.height), color, alpha);
    fillRect(Rectangle(static_cast<int16_t>(rect.right() - 1), rect.y, line, rect.height), color, alpha);
    fillRect(Rectangle(rect.x, rect.y, rect.width, line), color, alpha);
    fillRect(Rectangle(rect.x, static_cast<int16_t>(rect.bottom() - 1), rect.width, line), color, alpha);
}

void LCD::drawBorder(const Rectangle& rect, Color color, uint8_t alpha)
{
    drawBorder(rect, 1, color, alpha);
}

void LCD::drawGlyphOnScreen(int16_t x, int16_t y, uint16_t skipColumns, uint16_t skipRows, int16_t rightLimit,
                            int16_t bottomLimit, const GlyphRecord* glyph, const uint8_t* data, Color color,
                            uint8_t bitsPerPixel, uint8_t alpha)
{
    if (alpha == 0) {
        return;
    }
    HAL* hal = HAL::getInstance();
    uint16_t* frameBuffer = hal->acquireFrameBuffer();
    drawGlyph(frameBuffer, Rectangle(0, 0, static_cast<int16_t>(HAL::SCREEN_WIDTH), static_cast<int16_t>(HAL::SCREEN_HEIGHT)),
              x, y, skipColumns, skipRows, rightLimit, bottomLimit, glyph, data, color, bitsPerPixel, alpha,
              TEXT_ROTATE_0);
    hal->releaseFrameBuffer();
}
} // namespace quillon
