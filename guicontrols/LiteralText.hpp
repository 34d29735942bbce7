#ifndef GUICONTROLS_LITERALTEXT_HPP
#define GUICONTROLS_LITERALTEXT_HPP

#include <quillon/Font.hpp>
#include <quillon/hal/Types.hpp>
#include <quillon/lcd/LCD.hpp>

#include <stdint.h>

namespace guicontrols
{
// The one text drawing of the widget library. Widget texts are shown as written, never read
// as formats: "%%" (which value formats write for a percent sign) shows one '%', any other
// '%' shows itself, so "50% off" and "%s" appear whole and a circuit name cannot end early
// or pull in a missing argument.
//
// Glyphs go through the renderer's glyph primitive and are clipped exactly to the given
// area: a text drawn over several partial redraws gives the pixels of one full redraw.
class LiteralText
{
public:
    // Widest line in pixels, advances plus kerning; 0 for a null text or font.
    static int16_t getWidth(const quillon::Font* font, const quillon::WideChar* text);

    // Lines from the top of box (display coordinates), each aligned inside the box's width.
    // Only pixels inside clip (relative to box, may reach past it) and the display are
    // written. Unrotated; nothing for a null text or font, or alpha 0.
    static void draw(const quillon::Rectangle& box, const quillon::Rectangle& clip,
                     const quillon::LCD::TextStyle& style, const quillon::WideChar* text);
};
} // namespace guicontrols

#endif
