#include "guicontrols/TextField.hpp"

#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"
#include "helpers/Text.hpp"

#include <quillon/ApplicationFontProvider.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const quillon::WideChar EMPTY_TEXT[] = {0};
const quillon::FontId EMPTY_TEXT_FONT = 2;
} // namespace

TextField::TextField()
    : color(Palette::entry(0)), horizontalAlignment(0), verticalAlignment(0), rawText(nullptr), rawFont(nullptr)
{
}

void TextField::setTextId(const quillon::TypedText& text)
{
    typedText = text;
    rawText = nullptr;
    rawFont = nullptr;
}

void TextField::setText(const quillon::WideChar* text, const quillon::Font* font)
{
    typedText = quillon::TypedText();
    if (text != nullptr && font != nullptr) {
        rawText = text;
        rawFont = font;
    }
}

void TextField::setEmptyText()
{
    ApplicationFontProvider fonts;
    setText(EMPTY_TEXT, fonts.getFont(EMPTY_TEXT_FONT));
}

const quillon::Font* TextField::getFont() const
{
    if (rawText != nullptr) {
        return rawFont;
    }
    return typedText.hasValidId() ? typedText.getFont() : nullptr;
}

const quillon::WideChar* TextField::getText() const
{
    if (rawText != nullptr) {
        return rawText;
    }
    return typedText.hasValidId() ? typedText.getText() : EMPTY_TEXT;
}

uint16_t TextField::getTextHeight() const
{
    const quillon::Font* font = getFont();
    const uint16_t fullHeight = font != nullptr ? font->getFullHeight() : 0;
    return static_cast<uint16_t>(helpers::countLines(getText()) * fullHeight);
}

Rectangle TextField::getTextBox() const
{
    const int16_t textHeight = static_cast<int16_t>(getTextHeight());
    int16_t offset = 0;
    if (verticalAlignment == 1) {
        offset = static_cast<int16_t>((getHeight() - textHeight) / 2);
    } else if (verticalAlignment == 2) {
        offset = static_cast<int16_t>(getHeight() - textHeight);
    }
    return Rectangle(0, offset, getWidth(), textHeight);
}

void TextField::draw(const Rectangle& area) const
{
    if (!hasText()) {
        return;
    }
    Rectangle clip = area & Rectangle(0, 0, getWidth(), getHeight());
    if (clip.isEmpty()) {
        return;
    }
    Rectangle box = getTextBox();
    clip.y = static_cast<int16_t>(clip.y - box.y);
    if (clip.y < 0) {
        clip.height = static_cast<int16_t>(clip.height + clip.y);
        clip.y = 0;
    }
    if (clip.height <= 0) {
        return;
    }
    toScreenCoordinates(box);
    const quillon::LCD::TextStyle style(getFont(), color, 255, horizontalAlignment, 0, quillon::LCD::TEXT_ROTATE_0);
    const quillon::WideChar* text = getText();
    LiteralText::draw(box, clip, style, text);
    LiteralText::draw(box, clip, style, text); // the second pass gives the heavier stroke
}
} // namespace guicontrols
