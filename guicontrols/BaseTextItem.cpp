#include "guicontrols/BaseTextItem.hpp"

#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/Bitmap.hpp>

namespace guicontrols
{
namespace
{
const quillon::FontId TEXT_FONT = 2;
const quillon::FontId CROWDED_TEXT_FONT = 0;
const int16_t VALUE_GAP = 20;
const quillon::BitmapId LINE_WIDTH_BITMAP = 13; // the long button: lines are as wide
const uint8_t LINE_COLOR = 0;
const uint8_t NUMBERED_LINE_COLOR = 12;
const int16_t TEXT_LEFT = 30;
const int16_t VALUE_RIGHT_MARGIN = 40;
const int16_t TEXT_BOTTOM_GAP = 10;
const int16_t LINE_HEIGHT = 2;
const uint32_t ALIGN_LEFT = 0;
const uint32_t ALIGN_RIGHT = 2;
const uint32_t ALIGN_MIDDLE = 1;
const uint32_t ALIGN_TOP = 0;
const uint32_t ALIGN_BOTTOM = 2;
} // namespace

BaseTextItem::BaseTextItem(uint32_t index) : IItemProvider(index), provider(nullptr)
{
    text.setAlignment(ALIGN_LEFT);
    text.setVerticalAlignment(ALIGN_MIDDLE);
    secondText.setAlignment(ALIGN_RIGHT);
    secondText.setVerticalAlignment(ALIGN_MIDDLE);
    line.setColor(Palette::entry(LINE_COLOR));
    add(text);
    add(secondText);
    add(line);
    setHeight(HEIGHT);
}

BaseTextItem::BaseTextItem(ITextContentProvider* provider, uint32_t index) : BaseTextItem(index)
{
    this->provider = provider;
}

BaseTextItem& BaseTextItem::setProvider(ITextContentProvider* newProvider)
{
    provider = newProvider;
    return *this;
}

BaseTextItem& BaseTextItem::setProvider(ITextContentProvider* newProvider, uint32_t newIndex)
{
    provider = newProvider;
    index = newIndex;
    if ((newIndex & 0xFF) != 0) {
        line.setColor(Palette::entry(NUMBERED_LINE_COLOR));
    }
    return *this;
}

void BaseTextItem::update()
{
    if (provider != nullptr) {
        const quillon::Font* font = ApplicationFontProvider().getFont(TEXT_FONT);
        text.setText(provider->getText(index), font);
        secondText.setText(provider->getSecondText(index), font);
        fitTexts();
    }
    line.setVisible(drawsLine());
}

void BaseTextItem::updateLayout()
{
    placeChildren();
    fitTexts();
}

void BaseTextItem::placeChildren()
{
    const int16_t width = getWidth();
    const int16_t textHeight = static_cast<int16_t>(getHeight() - TEXT_BOTTOM_GAP);
    text.setPosition(TEXT_LEFT, 0, width, textHeight);
    secondText.setPosition(-VALUE_RIGHT_MARGIN, 0, width, textHeight);
    line.setPosition(0, static_cast<int16_t>(getHeight() - LINE_HEIGHT),
                     static_cast<int16_t>(quillon::Bitmap(LINE_WIDTH_BITMAP).getWidth()), LINE_HEIGHT);
}

void BaseTextItem::fitTexts()
{
    if (provider == nullptr) {
        return;
    }
    ApplicationFontProvider fonts;
    const quillon::Font* font = fonts.getFont(TEXT_FONT);
    uint32_t labelRow = ALIGN_MIDDLE;
    uint32_t valueRow = ALIGN_MIDDLE;
    if (textsMeet(font)) {
        font = fonts.getFont(CROWDED_TEXT_FONT);
        if (textsMeet(font)) {
            labelRow = ALIGN_TOP;
            valueRow = ALIGN_BOTTOM;
        }
    }
    text.setRawFont(font);
    secondText.setRawFont(font);
    text.setVerticalAlignment(labelRow);
    secondText.setVerticalAlignment(valueRow);
}

bool BaseTextItem::textsMeet(const quillon::Font* font) const
{
    if (!text.hasText() || !secondText.hasText() || secondText.getAlignment() != ALIGN_RIGHT) {
        return false;
    }
    const int16_t labelWidth = LiteralText::getWidth(font, text.getText());
    const int16_t valueWidth = LiteralText::getWidth(font, secondText.getText());
    if (labelWidth == 0 || valueWidth == 0) {
        return false;
    }
    const int32_t labelEnd = text.getX() + labelWidth;
    const int32_t valueStart = secondText.getX() + secondText.getWidth() - valueWidth;
    return labelEnd + VALUE_GAP > valueStart;
}
} // namespace guicontrols
