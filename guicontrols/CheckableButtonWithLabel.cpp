#include "guicontrols/CheckableButtonWithLabel.hpp"

#include "guicontrols/CheckMark.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"

namespace guicontrols
{
using quillon::Rectangle;

CheckableButtonWithLabel::CheckableButtonWithLabel()
    : labelAlignment(0), checkMark(quillon::BITMAP_NONE), valueText(nullptr)
{
}

CheckableButtonWithLabel::CheckableButtonWithLabel(const CheckableButtonWithLabel& other)
    : quillon::Button(other), ICheckable(other), label(other.label), labelAlignment(other.labelAlignment),
      checkMark(other.checkMark), valueText(other.valueText)
{
    // The links belong to the prototype's place in its container, not to the copy.
    parent = nullptr;
    nextSibling = nullptr;
}

void CheckableButtonWithLabel::draw(const Rectangle& area) const
{
    quillon::Button::draw(area);
    drawCheckMark(*this, *this, checkMark, area);
    const quillon::TypedText text = label.getTypedText();
    if (!text.hasValidId()) {
        return;
    }
    const quillon::Font* font = text.getFont();
    const Rectangle visible = area & Rectangle(0, 0, getWidth(), getHeight());
    if (font == nullptr || visible.isEmpty()) {
        return;
    }
    const int16_t lineHeight = static_cast<uint8_t>(font->getFullHeight());
    Rectangle box(10, static_cast<int16_t>(getHeight() / 2 - lineHeight / 2), static_cast<int16_t>(getWidth() - 20),
                  getHeight());
    const Rectangle clip(static_cast<int16_t>(visible.x - box.x), static_cast<int16_t>(visible.y - box.y),
                         visible.width, visible.height);
    toScreenCoordinates(box);
    const quillon::Color color = Palette::entry(11);
    LiteralText::draw(box, clip, quillon::LCD::TextStyle(font, color, 255, labelAlignment, 0, 0), text.getText());
    LiteralText::draw(box, clip, quillon::LCD::TextStyle(font, color, 255, quillon::RIGHT, 0, 0), valueText);
}
} // namespace guicontrols
