#include "guicontrols/LongButton.hpp"

#include "guicontrols/BitmapDrawing.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const quillon::BitmapId RELEASED = 13;
const quillon::BitmapId PRESSED = 15;
const quillon::FontId TEXT_FONT = 2;
const int16_t TEXT_MARGIN = 25;
const int16_t TEXT_TOP = 17;
const int16_t TYPED_TEXT_GAP = 10;
const int32_t RAW_TEXT_SECOND_OFFSET = 500;
// An icon whose left edge falls this close to the left end pushes the texts right.
const int16_t ICON_AT_LEFT_END = 24;

const quillon::WideChar* stringOf(const quillon::TypedText& text)
{
    return text.hasValidId() ? text.getText() : nullptr;
}
} // namespace

LongButton::LongButton()
    : font(ApplicationFontProvider().getFont(TEXT_FONT)), mainText(nullptr), secondText(nullptr), valueText(nullptr),
      secondTextOffset(0), icon(quillon::BITMAP_NONE), iconOffset(0)
{
    setBitmaps(quillon::Bitmap(RELEASED), quillon::Bitmap(PRESSED));
    setPosition(0, 0, 0, 0);
}

void LongButton::setPosition(int16_t x, int16_t y, int16_t, int16_t)
{
    quillon::Button::setPosition(x, y, static_cast<int16_t>(quillon::Bitmap(RELEASED).getWidth()),
                                 static_cast<int16_t>(quillon::Bitmap(RELEASED).getHeight()));
}

void LongButton::setWidth(int16_t)
{
    quillon::Button::setWidth(static_cast<int16_t>(quillon::Bitmap(RELEASED).getWidth()));
}

void LongButton::setHeight(int16_t)
{
    quillon::Button::setHeight(static_cast<int16_t>(quillon::Bitmap(RELEASED).getHeight()));
}

const quillon::Font* LongButton::textFont() const
{
    return font != nullptr ? font : ApplicationFontProvider().getFont(TEXT_FONT);
}

void LongButton::setText(const quillon::TypedText& text)
{
    mainText = stringOf(text);
    // Measured in the font it is drawn in: a title text measured in its own smaller font
    // would let the second text run into it.
    secondTextOffset = LiteralText::getWidth(textFont(), mainText) + TYPED_TEXT_GAP;
}

void LongButton::setText(const quillon::WideChar* text)
{
    mainText = text;
    secondTextOffset = RAW_TEXT_SECOND_OFFSET;
}

void LongButton::setSecondText(const quillon::TypedText& text)
{
    secondText = stringOf(text);
}

void LongButton::setValueText(const quillon::TypedText& text)
{
    valueText = stringOf(text);
}

void LongButton::setIcon(const quillon::Bitmap& bitmap, int16_t xOffset)
{
    icon = bitmap;
    iconOffset = xOffset;
}

// Centred, moved by the offset only while that keeps the left edge on the button.
int16_t LongButton::iconX() const
{
    const int16_t centred = static_cast<int16_t>(getWidth() / 2 - icon.getWidth() / 2);
    const int16_t moved = static_cast<int16_t>(centred + iconOffset);
    return moved >= 0 && moved <= getWidth() - 1 ? moved : centred;
}

int16_t LongButton::getValueTextLeft() const
{
    const Rectangle box = getTextBox();
    const int16_t right = static_cast<int16_t>(box.x + box.width);
    const quillon::Font* f = textFont();
    if (valueText == nullptr || f == nullptr) {
        return right;
    }
    return static_cast<int16_t>(right - f->getStringWidth(valueText));
}

Rectangle LongButton::getTextBox() const
{
    int16_t shift = 0;
    if (icon != quillon::Bitmap(quillon::BITMAP_NONE)) {
        const int16_t left = static_cast<int16_t>(getWidth() / 2 - icon.getWidth() / 2 + iconOffset);
        if (left >= 0 && left <= ICON_AT_LEFT_END) {
            shift = static_cast<int16_t>(icon.getWidth() + TEXT_MARGIN);
        }
    }
    return Rectangle(static_cast<int16_t>(TEXT_MARGIN + shift), TEXT_TOP,
                     static_cast<int16_t>(getWidth() - 2 * TEXT_MARGIN - 2 * shift),
                     static_cast<int16_t>(getHeight() - 2 * TEXT_TOP));
}

void LongButton::draw(const Rectangle& area) const
{
    quillon::Button::draw(area);
    drawTexts(area);
    if (icon != quillon::Bitmap(quillon::BITMAP_NONE)) {
        const int16_t y = static_cast<int16_t>(getHeight() / 2 - icon.getHeight() / 2);
        BitmapDrawing::draw(*this, icon, iconX(), y, area, alpha);
    }
}

// All three texts are clipped to the text box and to the redrawn part of it, so a redraw in
// pieces gives the same pixels as a whole one.
void LongButton::drawTexts(const Rectangle& area) const
{
    if (mainText == nullptr) {
        return; // no main text, no others
    }
    const Rectangle box = getTextBox();
    const Rectangle visible = area & box;
    if (visible.isEmpty()) {
        return;
    }
    const quillon::Font* f = textFont();
    const quillon::Color color = Palette::entry(0);

    Rectangle mainBox = box;
    toScreenCoordinates(mainBox);
    const Rectangle mainClip(static_cast<int16_t>(visible.x - box.x), static_cast<int16_t>(visible.y - box.y),
                             visible.width, visible.height);
    const quillon::LCD::TextStyle left(f, color, alpha, quillon::LEFT, 0, quillon::LCD::TEXT_ROTATE_0);
    LiteralText::draw(mainBox, mainClip, left, mainText);
    LiteralText::draw(mainBox, mainClip, left, mainText); // the second pass gives the heavier stroke

    // The second and value texts share the box right of the main text.
    Rectangle afterBox = mainBox;
    afterBox.x = static_cast<int16_t>(afterBox.x + secondTextOffset);
    afterBox.width = static_cast<int16_t>(afterBox.width - secondTextOffset);
    Rectangle afterClip = mainClip;
    afterClip.x = static_cast<int16_t>(afterClip.x - secondTextOffset);
    LiteralText::draw(afterBox, afterClip, left, secondText);
    const quillon::LCD::TextStyle right(f, color, alpha, quillon::RIGHT, 0, quillon::LCD::TEXT_ROTATE_0);
    LiteralText::draw(afterBox, afterClip, right, valueText);
}
} // namespace guicontrols
