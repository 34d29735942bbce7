#include "guicontrols/LiteralText.hpp"

#include <quillon/hal/HAL.hpp>

namespace guicontrols
{
using quillon::GlyphRecord;
using quillon::Rectangle;
using quillon::WideChar;

namespace
{
const WideChar NEWLINE = '\n';
const WideChar PERCENT = '%';

// Walks a text unit by unit, "%%" read as one '%'.
class LiteralReader
{
public:
    explicit LiteralReader(const WideChar* text) : position(text) {}

    // 0 at the end, and from then on.
    WideChar next()
    {
        const WideChar unit = *position;
        if (unit == 0) {
            return 0;
        }
        ++position;
        if (unit == PERCENT && *position == PERCENT) {
            ++position;
        }
        return unit;
    }

    // Reads past the next line break; false when the text ended first.
    bool skipLine()
    {
        for (WideChar unit = next(); unit != 0; unit = next()) {
            if (unit == NEWLINE) {
                return true;
            }
        }
        return false;
    }

private:
    const WideChar* position;
};

// Width of the rest of the current line; the reader is left at its end.
int16_t measureLine(const quillon::Font& font, LiteralReader& reader)
{
    int16_t width = 0;
    WideChar previous = 0;
    for (WideChar unit = reader.next(); unit != 0 && unit != NEWLINE; unit = reader.next()) {
        const GlyphRecord* glyph = font.getGlyph(unit);
        width = static_cast<int16_t>(width + font.getCharWidth(unit) + font.getKerning(previous, glyph));
        previous = unit;
    }
    return width;
}

int16_t alignmentOffset(quillon::Alignment alignment, int16_t boxWidth, int16_t lineWidth)
{
    switch (alignment) {
    case quillon::CENTER:
        return static_cast<int16_t>((boxWidth - lineWidth) / 2);
    case quillon::RIGHT:
        return static_cast<int16_t>(boxWidth - lineWidth);
    default:
        return 0;
    }
}

struct GlyphPlacement
{
    const GlyphRecord* glyph;
    const uint8_t* data;
    uint8_t bitsPerPixel;
    int16_t penX;
    int16_t top; // first row of the glyph, in the box
};

// Hands one glyph to the renderer with only its part inside visible (box coordinates).
void drawClipped(uint16_t* frameBuffer, const Rectangle& box, const Rectangle& visible, const GlyphPlacement& g,
                 const quillon::LCD::TextStyle& style)
{
    const Rectangle ink(static_cast<int16_t>(g.penX + g.glyph->left), g.top, static_cast<int16_t>(g.glyph->getWidth()),
                        static_cast<int16_t>(g.glyph->getHeight()));
    if (!ink.intersects(visible)) {
        return;
    }
    const int16_t skipRows = ink.y < visible.y ? static_cast<int16_t>(visible.y - ink.y) : 0;
    const int16_t y = static_cast<int16_t>(ink.y + skipRows);
    int16_t x = g.penX;
    int16_t skipColumns = 0;
    if (ink.x < visible.x) {
        // The renderer counts skipped columns from the pen and reads 0 as "none"; ink that
        // hangs left of a pen standing on the clip's edge loses those few columns rather than
        // being drawn outside the clip.
        skipColumns = static_cast<int16_t>(visible.x - g.penX);
        x = visible.x;
        if (skipColumns <= 0) {
            x = static_cast<int16_t>(g.penX + 1);
            skipColumns = 1;
        }
    }
    quillon::HAL::lcd().drawGlyph(frameBuffer, box, x, y, static_cast<uint16_t>(skipColumns),
                                  static_cast<uint16_t>(skipRows), visible.right(), visible.bottom(), g.glyph, g.data,
                                  style.color, g.bitsPerPixel, style.alpha, quillon::LCD::TEXT_ROTATE_0);
}

// Draws the rest of the current line; false when the text ended on it.
bool drawLine(uint16_t* frameBuffer, const Rectangle& box, const Rectangle& visible, const quillon::LCD::TextStyle& style,
              LiteralReader& reader, int16_t lineTop)
{
    const quillon::Font& font = *style.font;
    LiteralReader measuring = reader;
    GlyphPlacement placement;
    placement.penX = alignmentOffset(style.alignment, box.width, measureLine(font, measuring));
    WideChar previous = 0;
    for (;;) {
        const WideChar unit = reader.next();
        if (unit == 0) {
            return false;
        }
        if (unit == NEWLINE) {
            return true;
        }
        placement.data = nullptr;
        placement.bitsPerPixel = 0;
        placement.glyph = font.getGlyphWithData(unit, placement.data, placement.bitsPerPixel);
        if (placement.glyph == nullptr) {
            continue; // the font lacks it: drawn as nothing
        }
        if (previous != 0) {
            placement.penX = static_cast<int16_t>(placement.penX + font.getKerning(previous, placement.glyph));
        } else if (placement.glyph->left < 0) {
            placement.penX = static_cast<int16_t>(placement.penX - placement.glyph->left); // a line never starts left of its pen
        }
        previous = unit;
        placement.top = static_cast<int16_t>(lineTop + font.getFontHeight() - placement.glyph->getTop());
        if (placement.penX >= visible.right() && placement.glyph->left >= 0) {
            return reader.skipLine();
        }
        drawClipped(frameBuffer, box, visible, placement, style);
        placement.penX = static_cast<int16_t>(placement.penX + placement.glyph->getAdvance());
    }
}
} // namespace

int16_t LiteralText::getWidth(const quillon::Font* font, const WideChar* text)
{
    if (font == nullptr || text == nullptr) {
        return 0;
    }
    LiteralReader reader(text);
    int16_t widest = 0;
    for (;;) {
        const int16_t width = measureLine(*font, reader);
        widest = width > widest ? width : widest;
        // measureLine stopped at a line break or at the end; the end reads 0 again.
        LiteralReader probe = reader;
        if (probe.next() == 0) {
            return widest;
        }
    }
}

void LiteralText::draw(const Rectangle& box, const Rectangle& clip, const quillon::LCD::TextStyle& style,
                       const WideChar* text)
{
    if (text == nullptr || style.font == nullptr || style.alpha == 0) {
        return;
    }
    const Rectangle display(static_cast<int16_t>(-box.x), static_cast<int16_t>(-box.y),
                            static_cast<int16_t>(quillon::HAL::SCREEN_WIDTH),
                            static_cast<int16_t>(quillon::HAL::SCREEN_HEIGHT));
    const Rectangle visible = clip & display;
    if (visible.isEmpty()) {
        return;
    }
    const int16_t fullHeight = static_cast<int16_t>(style.font->getFullHeight());
    const int16_t lineHeight = static_cast<int16_t>(fullHeight + style.lineSpacing);
    quillon::HAL* hal = quillon::HAL::getInstance();
    uint16_t* frameBuffer = hal->acquireFrameBuffer();
    LiteralReader reader(text);
    bool moreLines = true;
    for (int16_t lineTop = 0; moreLines && lineTop < visible.bottom();
         lineTop = static_cast<int16_t>(lineTop + lineHeight)) {
        // Glyphs stay inside their line, so a line outside the clip is only read past.
        if (lineTop + fullHeight <= visible.y) {
            moreLines = reader.skipLine();
        } else {
            moreLines = drawLine(frameBuffer, box, visible, style, reader, lineTop);
        }
    }
    hal->releaseFrameBuffer();
}
} // namespace guicontrols
