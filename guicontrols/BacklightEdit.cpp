#include "guicontrols/BacklightEdit.hpp"

#include "guicontrols/Palette.hpp"
#include "helpers/BoardWrappers.hpp"

#include <quillon/WideString.hpp>

namespace guicontrols
{
namespace
{
const quillon::BitmapId PREVIEW = 68;
// "%s°" and "%%"
const quillon::TypedText PREVIEW_TEXT(48);
const quillon::TypedText PERCENT_TEXT(1252);
const int32_t PREVIEW_TEMPERATURE = 20;
} // namespace

BacklightEdit::BacklightEdit() : valueCallback(this, &BacklightEdit::onValueChanged)
{
    setWidth(800);
    setHeight(240);

    preview.setBitmap(quillon::Bitmap(PREVIEW));
    preview.setXY(0, 0);
    add(preview);

    quillon::WideString::snprintf(labelBuffer, 5, "%d", PREVIEW_TEMPERATURE);
    previewLabel.setTextId(PREVIEW_TEXT);
    previewLabel.setWildcard(labelBuffer);
    previewLabel.setPosition(100, 90, 250, 120);
    previewLabel.setColor(Palette::entry(11));
    add(previewLabel);

    spinBox.setStyle(2);
    spinBox.setArrowStyle(2);
    spinBox.setMinimum(0);
    spinBox.setMaximum(100);
    spinBox.setStep(10);
    spinBox.setXY(400, 10);
    spinBox.setValueCallback(&valueCallback);
    add(spinBox);

    percentSign.setPosition(525, 89, 80, 80);
    percentSign.setTextId(PERCENT_TEXT);
    percentSign.setColor(Palette::entry(11));
    add(percentSign);
}

void BacklightEdit::setValue(int32_t value)
{
    spinBox.setValue(value);
    applyBacklight(static_cast<uint8_t>(value));
}

void BacklightEdit::applyBacklight(uint8_t level)
{
    (void)helpers::setBacklight(level); // the board keeps its last level either way
}
} // namespace guicontrols
