#ifndef QUILLON_LCD_LCD_HPP
#define QUILLON_LCD_LCD_HPP

#include <quillon/Bitmap.hpp>
#include <quillon/Font.hpp>
#include <quillon/Texts.hpp>
#include <quillon/hal/Types.hpp>

#include <stdarg.h>
#include <stdint.h>

namespace quillon
{
class WildcardReader;

// The drawing interface widgets use through HAL::lcd(). A renderer for one frame-buffer
// format implements the primitives; text layout, lines and borders are built on them here.
// All rectangles are in display coordinates unless a comment says otherwise.
class LCD
{
public:
    // Text rotations, clockwise.
    enum Rotation : uint32_t
    {
        TEXT_ROTATE_0 = 0,
        TEXT_ROTATE_90 = 1,
        TEXT_ROTATE_180 = 2,
        TEXT_ROTATE_270 = 3
    };

    struct TextStyle
    {
        TextStyle(const Font* font, Color color, uint8_t alpha, Alignment alignment, uint16_t lineSpacing,
                  uint32_t rotation)
            : font(font), alignment(alignment), rotation(rotation), color(color), alpha(alpha), lineSpacing(lineSpacing)
        {
        }

        const Font* font;
        Alignment alignment; // per line
        uint32_t rotation;   // 0..3
        Color color;
        uint8_t alpha;
        uint16_t lineSpacing; // extra pixels between lines
    };

    virtual ~LCD() {}

    virtual void init() {}
    // Draws part (bitmap coordinates) of the bitmap whose top-left corner is at x, y.
    virtual void drawBitmapPart(const Bitmap& bitmap, int16_t x, int16_t y, const Rectangle& part, uint8_t alpha,
                                bool useOptimized) = 0;
    // sourceRect places the whole source block (its width is the stride); part is relative to it.
    // Keyed copies skip source pixels of the transparent key colour.
    virtual void copyRect(const uint16_t* source, const Rectangle& sourceRect, const Rectangle& part, uint8_t alpha,
                          bool keyed) = 0;
    virtual void copyToAnimationStorage(const Rectangle& rect) = 0;
    virtual void fillRect(const Rectangle& rect, Color color, uint8_t alpha) = 0;
    virtual uint8_t bitDepth() const = 0;
    // One glyph into a frame buffer the caller has acquired. x, y and the limits are in the
    // (rotated) text frame of widgetArea.
    virtual void drawGlyph(uint16_t* frameBuffer, const Rectangle& widgetArea, int16_t x, int16_t y,
                           uint16_t skipColumns, uint16_t skipRows, int16_t rightLimit, int16_t bottomLimit,
                           const GlyphRecord* glyph, const uint8_t* data, Color color, uint8_t bitsPerPixel,
                           uint8_t alpha, uint32_t rotation) = 0;

    // Draws a text with its wildcard arguments into widgetArea, only where it meets
    // invalidatedArea (relative to the widget).
    void drawString(Rectangle widgetArea, const Rectangle& invalidatedArea, const TextStyle& style,
                    const WideChar* text, ...);
    void drawStringWithArguments(Rectangle widgetArea, const Rectangle& invalidatedArea, const TextStyle& style,
                                 const WideChar* text, va_list arguments);

    void drawHorizontalLine(int16_t x, int16_t y, uint16_t width, uint16_t lineWidth, Color color,
                            uint8_t alpha = 255);
    void drawVerticalLine(int16_t x, int16_t y, uint16_t height, uint16_t lineWidth, Color color,
                          uint8_t alpha = 255);
    // Left, right, top and bottom edges; the right and bottom ones start at the last column
    // and row, so a line width above 1 reaches past the rectangle.
    void drawBorder(const Rectangle& rect, uint16_t lineWidth, Color color, uint8_t alpha);
    void drawBorder(const Rectangle& rect, Color color, uint8_t alpha);

    void drawGlyphOnScreen(int16_t x, int16_t y, uint16_t skipColumns, uint16_t skipRows, int16_t rightLimit,
                           int16_t bottomLimit, const GlyphRecord* glyph, const uint8_t* data, Color color,
                           uint8_t bitsPerPixel, uint8_t alpha);

    // Display position of the text-frame point (x, y).
    static int16_t glyphStartX(const Rectangle& widgetArea, int16_t x, int16_t y, uint32_t rotation);
    static int16_t glyphStartY(const Rectangle& widgetArea, int16_t x, int16_t y, uint32_t rotation);
    // A rectangle relative to the widget, in the text frame of container.
    static Rectangle rotateRect(const Rectangle& rect, const Rectangle& container, uint32_t rotation);
    // Reads the rest of the current line and returns where it starts for the alignment.
    static int16_t getLineAlignmentOffset(WildcardReader& reader, const Font* font, Alignment alignment,
                                          const Rectangle& frame);

private:
    struct TextReaders;
    struct TextTarget;

    // Reads past the lines above the invalidated area, moving the frame down by each;
    // false when the text ended first.
    static bool skipLinesAbove(TextReaders& readers, int16_t lineHeight, int16_t invY, Rectangle& frame);
    // Draws the line at the frame's top; false when the text ended in it.
    bool drawLine(TextReaders& readers, const TextStyle& style, const Rectangle& frame, const TextTarget& target);
    // A glyph at pen x of the line, clipped to the invalidated area; nothing when wholly
    // left of or above it.
    void drawVisibleGlyph(int16_t x, int16_t lineTop, const TextStyle& style, const GlyphRecord* glyph,
                          const uint8_t* data, uint8_t bitsPerPixel, const TextTarget& target);
};
} // namespace quillon

#endif
