#include "guicontrols/ShortQueryText.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/WideString.hpp>

namespace guicontrols
{
namespace
{
const quillon::FontId TEXT_FONT = 0;
const uint8_t TEXT_COLOR = 11;
const uint8_t SEPARATOR_COLOR = 0;
const int16_t COLUMN_X[3] = {30, 250, 470};
const int16_t COLUMN_WIDTH = 220;
} // namespace

ShortQueryText::ShortQueryText() : font(ApplicationFontProvider().getFont(TEXT_FONT)), numberText()
{
    setWidth(700);
    setHeight(240);
    const int16_t labelWidth = font != nullptr ? static_cast<int16_t>(3 * font->getCharWidth('u')) : 0;
    const int16_t lineHeight = font != nullptr ? static_cast<int16_t>(font->getFullHeight()) : 0;
    numberLabel.setPosition(0, 80, labelWidth, lineHeight);
    numberLabel.setColor(Palette::entry(TEXT_COLOR));
    numberLabel.setVerticalAlignment(1);
    numberLabel.setText(numberText, font);
    add(numberLabel);
    const int16_t h = static_cast<int16_t>(2 * lineHeight);
    for (uint8_t i = 0; i < PAIR_COUNT; ++i) {
        const int16_t x = COLUMN_X[i / 2];
        const int16_t top = (i % 2 == 0) ? 0 : static_cast<int16_t>(2 * h + 10);
        TextField* fields[] = {&names[i], &values[i]};
        for (uint8_t k = 0; k < 2; ++k) {
            fields[k]->setPosition(x, static_cast<int16_t>(top + k * h), COLUMN_WIDTH, h);
            fields[k]->setColor(Palette::entry(TEXT_COLOR));
            add(*fields[k]);
        }
    }
    separator.setPosition(0, static_cast<int16_t>(3 * h + 60), 700, 2);
    separator.setColor(Palette::entry(SEPARATOR_COLOR));
    separator.setVisible(false);
    add(separator);
}

void ShortQueryText::setNumber(uint8_t number)
{
    quillon::WideString::snprintf(numberText, LABEL_SIZE, "%d:", number + 1);
    separator.setVisible(number < LAST_SEPARATED_ROW);
}

void ShortQueryText::setName(uint8_t index, const quillon::WideChar* text)
{
    if (index < PAIR_COUNT) {
        names[index].setText(text, font);
    }
}

void ShortQueryText::setValue(uint8_t index, const quillon::WideChar* text)
{
    if (index < PAIR_COUNT) {
        values[index].setText(text, font);
        invalidate();
    }
}
} // namespace guicontrols
