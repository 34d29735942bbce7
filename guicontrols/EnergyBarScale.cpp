#include "guicontrols/EnergyBarScale.hpp"

#include "guicontrols/Palette.hpp"
#include "helpers/WideFormat.hpp"

namespace guicontrols
{
EnergyBarScale::EnergyBarScale() : maximum(1000), numbers(), labels{&top, &middle, &bottom}
{
    setWidth(10);
    setHeight(300);
    const quillon::TextId texts[3] = {24, 25, 26};
    const uint32_t shown[3] = {1000, 500, 0};
    for (int i = 0; i < 3; ++i) {
        helpers::formatWide(numbers[i], NUMBER_SIZE, "%u", shown[i]);
        labels[i]->setTextId(quillon::TypedText(texts[i]));
        labels[i]->setWildcard(numbers[i]);
        labels[i]->setColor(Palette::entry(11));
        add(*labels[i]);
    }
}

void EnergyBarScale::setMaximum(uint32_t newMaximum)
{
    maximum = newMaximum;
    helpers::formatWide(numbers[0], NUMBER_SIZE, "%d", static_cast<int32_t>(maximum));
    const int16_t width = getWidth();
    const int16_t height = getHeight();
    top.setPosition(0, 0, width, height);
    middle.setPosition(0, static_cast<int16_t>(height / 2 - middle.getTextHeight() / 2), width, height);
    bottom.setPosition(0, static_cast<int16_t>(height - bottom.getTextHeight()), width, height);
    helpers::formatWide(numbers[1], NUMBER_SIZE, "%d", static_cast<int32_t>(maximum / 2));
    helpers::formatWide(numbers[2], NUMBER_SIZE, "%d", 0);
    invalidate();
}
} // namespace guicontrols
