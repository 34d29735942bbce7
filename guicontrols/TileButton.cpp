#include "guicontrols/TileButton.hpp"

#include "guicontrols/BitmapDrawing.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"
#include "helpers/Text.hpp"
#include "helpers/TextWrap.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/WideString.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const quillon::BitmapId RELEASED = 7;
const quillon::BitmapId PRESSED = 9;
const quillon::FontId TEXT_FONT = 0;
const uint16_t WRAP_CAPACITY = 50;
// Texts longer than this get wider margins.
const uint16_t SHORT_TEXT_UNITS = 30;
const quillon::WideChar EMPTY_TEXT[] = {0};

// A text without an icon is moved up by its number of lines, to stay centred on the tile.
int16_t liftForLines(uint16_t lines)
{
    switch (lines) {
    case 2:
        return 15;
    case 3:
        return 25;
    case 4:
        return 45;
    default:
        return 0;
    }
}
} // namespace

TileButton::TileButton() : icon(quillon::BITMAP_NONE), text(EMPTY_TEXT)
{
    setBitmaps(quillon::Bitmap(RELEASED), quillon::Bitmap(PRESSED));
}

void TileButton::draw(const Rectangle& area) const
{
    quillon::Button::draw(area);
    const bool withIcon = icon != quillon::Bitmap(quillon::BITMAP_NONE);
    if (withIcon) {
        // Above the text when there is one, else in the middle.
        const int16_t centreY = text != nullptr ? static_cast<int16_t>(getHeight() / 3)
                                                : static_cast<int16_t>(getHeight() / 2);
        const int16_t x = static_cast<int16_t>(getWidth() / 2 - icon.getWidth() / 2);
        const int16_t y = static_cast<int16_t>(centreY - icon.getHeight() / 2);
        BitmapDrawing::draw(*this, icon, x, y, area, 255);
    }
    if (text != nullptr) {
        drawText(area, withIcon);
    }
}

// Clipped to the redrawn area: a redraw in pieces gives the pixels of a whole one.
void TileButton::drawText(const Rectangle& area, bool withIcon) const
{
    const quillon::Font* font = ApplicationFontProvider().getFont(TEXT_FONT);
    if (font == nullptr) {
        return;
    }
    const int16_t margin = quillon::WideString::strlen(text) > SHORT_TEXT_UNITS ? 7 : 4;
    const uint8_t maxLines = withIcon ? 2 : 4;
    quillon::WideChar wrapped[WRAP_CAPACITY];
    helpers::wrapText(wrapped, WRAP_CAPACITY, text,
                      helpers::TextWrapSpec(static_cast<uint16_t>(getWidth() - 10 * margin), font, maxLines));

    Rectangle box = withIcon ? Rectangle(0, static_cast<int16_t>(11 * getHeight() / 20), getWidth(),
                                         static_cast<int16_t>(9 * getHeight() / 20))
                             : Rectangle(0, static_cast<int16_t>(2 * getHeight() / 5), getWidth(),
                                         static_cast<int16_t>(3 * getHeight() / 5));
    if (!withIcon) {
        box.y = static_cast<int16_t>(box.y - liftForLines(helpers::countLines(wrapped)));
    }
    const Rectangle visible = area & Rectangle(0, 0, getWidth(), getHeight());
    const Rectangle clip(static_cast<int16_t>(visible.x - box.x), static_cast<int16_t>(visible.y - box.y),
                         visible.width, visible.height);
    toScreenCoordinates(box);
    const quillon::LCD::TextStyle style(font, Palette::entry(0), alpha, quillon::CENTER, 0,
                                        quillon::LCD::TEXT_ROTATE_0);
    LiteralText::draw(box, clip, style, wrapped);
    LiteralText::draw(box, clip, style, wrapped); // the second pass gives the heavier stroke
}
} // namespace guicontrols
