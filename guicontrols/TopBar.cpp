#include "guicontrols/TopBar.hpp"

#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/WideString.hpp>

#include <stdarg.h>

namespace guicontrols
{
namespace
{
const uint8_t BACKGROUND = 6;
const uint8_t LINE_COLOR = 9;
const int16_t LINE_HEIGHT = 3;
const int16_t MARGIN = 20;
const quillon::FontId TITLE_FONT = 3;
const quillon::WideChar DOT = '.';
const quillon::WideChar BLANK = ' ';
const quillon::WideChar EMPTY[] = {0};

const quillon::Font* titleFont()
{
    return ApplicationFontProvider().getFont(TITLE_FONT);
}
} // namespace

TopBar::TopBar(int16_t x, int16_t y, int16_t width, int16_t height)
{
    setPosition(x, y, width, height);
    background.setPosition(0, 0, width, height);
    background.setColor(Palette::entry(BACKGROUND));
    bottomLine.setPosition(0, static_cast<int16_t>(height - LINE_HEIGHT), width, LINE_HEIGHT);
    bottomLine.setColor(Palette::entry(LINE_COLOR));
    titleBuffer[0] = 0;
    titleField.setPosition(MARGIN, 0, static_cast<int16_t>(width - 2 * MARGIN), height);
    titleField.setVerticalAlignment(1);
    titleField.setAlignment(0);
    titleField.setText(titleBuffer, titleFont());
    add(background);
    add(bottomLine);
}

void TopBar::setTitle(const quillon::WideChar* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    helpers::vformatWide(titleBuffer, TITLE_CAPACITY, format, arguments);
    va_end(arguments);
    // The font may have been registered after construction.
    titleField.setText(titleBuffer, titleFont());
    cutTitle();
    if (!contains(titleField)) {
        add(titleField);
    }
}

// Every character counts its advance plus one pixel; a cut keeps room for "..." in the
// same measure. Measured against the title field, where the title is drawn and clipped:
// measured against the whole bar, the dots of a cut title would fall past the field's end.
void TopBar::cutTitle()
{
    const quillon::Font* font = titleField.getFont();
    if (font == nullptr) {
        return;
    }
    const int32_t limit = titleField.getWidth() - 3 * (font->getCharWidth(DOT) + 1);
    int32_t sum = 0;
    for (uint16_t i = 0; titleBuffer[i] != 0; ++i) {
        sum += font->getCharWidth(titleBuffer[i]) + 1;
        if (sum > limit) {
            const uint16_t cut = i < MAX_CUT_LENGTH ? i : MAX_CUT_LENGTH;
            titleBuffer[cut] = DOT;
            titleBuffer[cut + 1] = DOT;
            titleBuffer[cut + 2] = DOT;
            titleBuffer[cut + 3] = 0;
            return;
        }
    }
}

void TopBar::showSegment(TextField& field, const quillon::WideChar* text, quillon::Color color, int16_t x,
                         uint32_t alignment)
{
    const quillon::Font* font = titleFont();
    field.setText(text, font);
    field.setColor(color);
    field.setAlignment(alignment);
    field.setVerticalAlignment(1);
    field.setPosition(x, 0, LiteralText::getWidth(font, text), getHeight());
    if (!contains(field)) {
        add(field);
    }
}

void TopBar::setTitleSegments(const quillon::WideChar* text1, quillon::Color color1, const quillon::WideChar* text2,
                              quillon::Color color2, const quillon::WideChar* text3, quillon::Color color3,
                              const quillon::WideChar* right, quillon::Color rightColor)
{
    const quillon::Font* font = titleFont();
    const int16_t blank = font != nullptr ? static_cast<int16_t>(font->getCharWidth(BLANK)) : 0;
    if (text1 == nullptr) {
        text1 = EMPTY;
    }
    showSegment(segmentFields[0], text1, color1, MARGIN, 0);
    int16_t x = static_cast<int16_t>(MARGIN + LiteralText::getWidth(font, text1) + blank);
    if (text2 != nullptr && !contains(segmentFields[1])) {
        showSegment(segmentFields[1], text2, color2, x, 0);
        x = static_cast<int16_t>(x + LiteralText::getWidth(font, text2) + blank);
    }
    if (text3 != nullptr && !contains(segmentFields[2])) {
        showSegment(segmentFields[2], text3, color3, x, 0);
    }
    if (right != nullptr && !contains(rightField)) {
        const int16_t width = LiteralText::getWidth(font, right);
        showSegment(rightField, right, rightColor, static_cast<int16_t>(getWidth() - width - MARGIN), 2);
    }
}

const quillon::WideChar* TopBar::shownText(const TextField& field) const
{
    return contains(field) ? field.getText() : EMPTY;
}

const quillon::WideChar* TopBar::getTitleText()
{
    quillon::WideString::snprintf(titleBuffer, TITLE_CAPACITY, "%s %s %s", shownText(segmentFields[0]),
                                  shownText(segmentFields[1]), shownText(segmentFields[2]));
    return titleBuffer;
}

void TopBar::clear()
{
    removeAll();
    add(background);
    add(bottomLine);
}
} // namespace guicontrols
