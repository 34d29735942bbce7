#include "guicontrols/TextFieldBuffer.hpp"

#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const quillon::FontId TEXT_FONT = 8;
const uint8_t TEXT_COLOR = 6;
} // namespace

TextFieldBuffer::TextFieldBuffer() : text(), clickCallback(nullptr), id(0), alignment(LEFT) {}

void TextFieldBuffer::setText(const quillon::WideChar* newText)
{
    uint8_t length = 0;
    if (newText != nullptr) {
        for (; length + 1 < TEXT_SIZE && newText[length] != 0; ++length) {
            text[length] = newText[length];
        }
    }
    text[length] = 0;
}

void TextFieldBuffer::onClick(const quillon::ClickEvent& event)
{
    if (event.getType() == quillon::ClickEvent::PRESSED && clickCallback != nullptr && clickCallback->isValid()) {
        clickCallback->execute(id);
    }
}

void TextFieldBuffer::draw(const Rectangle& area) const
{
    quillon::Box::draw(area);
    ApplicationFontProvider fonts;
    const quillon::Font* font = fonts.getFont(TEXT_FONT);
    if (font == nullptr) {
        return;
    }
    const int16_t available = static_cast<int16_t>(getWidth() - 2 * MARGIN);
    int16_t width = LiteralText::getWidth(font, text);
    width = width < available ? width : available;
    int16_t x = MARGIN;
    if (alignment == CENTRED) {
        x = static_cast<int16_t>(MARGIN + (available - width) / 2);
    } else if (alignment == RIGHT) {
        x = static_cast<int16_t>(MARGIN + available - width);
    }
    const int16_t y = static_cast<int16_t>((getHeight() - font->getFullHeight()) / 2);
    Rectangle box(x, y, available, getHeight());
    Rectangle clip = area & box & Rectangle(0, 0, getWidth(), getHeight());
    if (clip.isEmpty()) {
        return;
    }
    clip.x = static_cast<int16_t>(clip.x - box.x);
    clip.y = static_cast<int16_t>(clip.y - box.y);
    toScreenCoordinates(box);
    const quillon::LCD::TextStyle style(font, Palette::entry(TEXT_COLOR), 255, quillon::LEFT, 0,
                                        quillon::LCD::TEXT_ROTATE_0);
    LiteralText::draw(box, clip, style, text);
}
} // namespace guicontrols
