#include "guicontrols/KeyboardButton.hpp"

#include "guicontrols/BitmapDrawing.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const quillon::FontId CHARACTER_FONT = 8;
const uint8_t CHARACTER_COLOR = 1;
const int16_t CHARACTER_INSET_X = 8;
const int16_t CHARACTER_INSET_Y = 3;
const quillon::WideChar BLANK = ' ';

// One character in its own rectangle of the key, clipped to area (key coordinates).
void drawCharacter(const KeyboardButton& key, quillon::WideChar character, const Rectangle& place,
                   const Rectangle& area, uint8_t alpha)
{
    const quillon::WideChar text[] = {character, 0};
    Rectangle clip = area & place;
    if (clip.isEmpty()) {
        return;
    }
    clip.x = static_cast<int16_t>(clip.x - place.x);
    clip.y = static_cast<int16_t>(clip.y - place.y);
    Rectangle box = place;
    key.toScreenCoordinates(box);
    ApplicationFontProvider fonts;
    const quillon::LCD::TextStyle style(fonts.getFont(CHARACTER_FONT), Palette::entry(CHARACTER_COLOR), alpha,
                                        quillon::LEFT, 0, quillon::LCD::TEXT_ROTATE_0);
    LiteralText::draw(box, clip, style, text);
}
} // namespace

void KeyboardButton::draw(const Rectangle& area) const
{
    RepeatableButton::draw(area);
    const int16_t width = getWidth();
    const int16_t height = getHeight();
    if (icon != quillon::Bitmap(quillon::BITMAP_NONE)) {
        const int16_t x = static_cast<int16_t>(width / 2 - icon.getWidth() / 2);
        const int16_t middle = iconHigh ? static_cast<int16_t>(height / 4) : static_cast<int16_t>(height / 2);
        const int16_t y = static_cast<int16_t>(middle - icon.getHeight() / 2);
        BitmapDrawing::draw(*this, icon, x, y, area, alpha);
    }
    // A blank shows nothing: gaps and the blank second line cost no text drawing.
    if (character == 0 || character == BLANK) {
        return;
    }
    const int16_t textWidth = static_cast<int16_t>(width - 2 * CHARACTER_INSET_X);
    drawCharacter(*this, character,
                  Rectangle(CHARACTER_INSET_X, CHARACTER_INSET_Y, textWidth, static_cast<int16_t>(height / 2)), area,
                  alpha);
    if (secondCharacter != 0 && secondCharacter != BLANK) {
        drawCharacter(*this, secondCharacter,
                      Rectangle(CHARACTER_INSET_X, static_cast<int16_t>(height / 2 - CHARACTER_INSET_Y), textWidth,
                                static_cast<int16_t>(height / 2 - CHARACTER_INSET_Y)),
                      area, alpha);
    }
}
} // namespace guicontrols
