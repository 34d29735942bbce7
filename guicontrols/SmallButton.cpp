#include "guicontrols/SmallButton.hpp"

#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"
#include "helpers/Text.hpp"
#include "helpers/TextWrap.hpp"

#include <quillon/ApplicationFontProvider.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const quillon::BitmapId RELEASED = 2;
const quillon::BitmapId PRESSED = 4;
const quillon::FontId TEXT_FONT = 2;
const uint16_t WRAP_CAPACITY = 40;
const uint8_t MAX_LINES = 2;
const quillon::WideChar EMPTY_TEXT[] = {0};
} // namespace

SmallButton::SmallButton() : text(EMPTY_TEXT)
{
    setBitmaps(quillon::Bitmap(RELEASED), quillon::Bitmap(PRESSED));
}

// The text starts a quarter down; its second line runs below that quarter-high box. It is
// clipped to the redrawn part of the button, so a partial redraw does not blend it twice.
void SmallButton::draw(const Rectangle& area) const
{
    quillon::Button::draw(area);
    const Rectangle visible = area & Rectangle(0, 0, getWidth(), getHeight());
    const quillon::Font* font = ApplicationFontProvider().getFont(TEXT_FONT);
    if (visible.isEmpty() || font == nullptr || text == nullptr) {
        return;
    }
    quillon::WideChar wrapped[WRAP_CAPACITY];
    helpers::wrapText(wrapped, WRAP_CAPACITY, text,
                      helpers::TextWrapSpec(static_cast<uint16_t>(getWidth() - 20), font, MAX_LINES));
    // Two lines do not fit below a quarter of the height: they are centred instead, so the
    // second one is neither cut nor drawn past the button.
    const int16_t lineHeight = static_cast<int16_t>(font->getFullHeight());
    const int16_t lines = static_cast<int16_t>(helpers::countLines(wrapped));
    int16_t top = static_cast<int16_t>(getHeight() / 4);
    if (top + lines * lineHeight > getHeight()) {
        top = static_cast<int16_t>((getHeight() - lines * lineHeight) / 2);
        top = top < 0 ? 0 : top;
    }
    Rectangle box(0, top, getWidth(), static_cast<int16_t>(getHeight() / 4));
    const Rectangle clip(visible.x, static_cast<int16_t>(visible.y - box.y), visible.width, visible.height);
    toScreenCoordinates(box);
    const quillon::LCD::TextStyle style(font, Palette::entry(0), alpha, quillon::CENTER, 0, quillon::LCD::TEXT_ROTATE_0);
    LiteralText::draw(box, clip, style, wrapped);
}
} // namespace guicontrols
