#include "guicontrols/EnergyCockpitBufferLoad.hpp"

#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/hal/HAL.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const quillon::TextId CAPTION = 1022;
const quillon::TextId CHARGE_FONT_TEXT = 1252;

void fill(const quillon::Drawable& widget, Rectangle part, quillon::Color color)
{
    if (part.isEmpty()) {
        return;
    }
    widget.toScreenCoordinates(part);
    quillon::HAL::lcd().fillRect(part, color, 255);
}

void drawText(const quillon::Drawable& widget, const Rectangle& band, const Rectangle& area, const quillon::Font* font,
              quillon::Color color, const quillon::WideChar* text)
{
    Rectangle clip = band & area;
    if (text == nullptr || clip.isEmpty()) {
        return;
    }
    clip.x = static_cast<int16_t>(clip.x - band.x);
    clip.y = static_cast<int16_t>(clip.y - band.y);
    Rectangle box = band;
    widget.toScreenCoordinates(box);
    const quillon::LCD::TextStyle style(font, color, 255, quillon::CENTER, 0, quillon::LCD::TEXT_ROTATE_0);
    LiteralText::draw(box, clip, style, text);
}
} // namespace

EnergyCockpitBufferLoad::EnergyCockpitBufferLoad() : chargeText(nullptr)
{
    setWidth(WIDTH);
    setHeight(HEIGHT);
}

Rectangle EnergyCockpitBufferLoad::captionBand()
{
    return Rectangle(0, 0, WIDTH, HEIGHT / 3);
}

Rectangle EnergyCockpitBufferLoad::chargeBand()
{
    const int16_t height = static_cast<int16_t>(quillon::TypedText(CHARGE_FONT_TEXT).getFont()->getFullHeight());
    return Rectangle(0, static_cast<int16_t>(HEIGHT - height), WIDTH, height);
}

// Every layer only inside area: a partial redraw repaints its part of the box before the
// text, so the text never gets drawn twice over itself.
void EnergyCockpitBufferLoad::draw(const Rectangle& area) const
{
    const Rectangle whole(0, 0, WIDTH, HEIGHT);
    fill(*this, whole & area, Palette::entry(6));
    const quillon::Color border = Palette::entry(5);
    fill(*this, Rectangle(0, 0, WIDTH, BORDER) & area, border);
    fill(*this, Rectangle(0, HEIGHT - BORDER, WIDTH, BORDER) & area, border);
    fill(*this, Rectangle(0, BORDER, BORDER, HEIGHT - 2 * BORDER) & area, border);
    fill(*this, Rectangle(WIDTH - BORDER, BORDER, BORDER, HEIGHT - 2 * BORDER) & area, border);
    const quillon::TypedText caption(CAPTION);
    drawText(*this, captionBand(), area, caption.getFont(), Palette::entry(11), caption.getText());
    drawText(*this, chargeBand(), area, quillon::TypedText(CHARGE_FONT_TEXT).getFont(), Palette::entry(8), chargeText);
}
} // namespace guicontrols
