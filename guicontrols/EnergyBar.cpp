#include "guicontrols/EnergyBar.hpp"

#include "guicontrols/Palette.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/Bitmap.hpp>
#include <quillon/TypedText.hpp>

namespace guicontrols
{
namespace
{
const quillon::BitmapId BAR_BITMAP = 54;
const quillon::TextId LABEL_TEXT = 27;
const quillon::TextId KWH_TEXT = 30;
const quillon::TextId MWH_TEXT = 1253;
const int16_t COLUMN_X = 52;
const int16_t COLUMN_WIDTH = 20;
// The bar artwork frames the column from x 48; value and unit are centred left of it, in the
// smaller font: in the body font "84.0" and "kWh" ran into the frame.
const int16_t FRAME_X = 48;
const quillon::FontId VALUE_FONT = 1;
// Above this, heights are computed on thousands so that height x value fits 32 bits.
const uint32_t LARGE_TOTAL = 15000000;
// The value text is written with this limit, although its buffer is larger.
const uint16_t VALUE_LIMIT = 15;
} // namespace

EnergyBar::EnergyBar()
    : displayedMaximum(0.0f),
      maximum(1),
      total(0),
      segmentCount(1),
      displayedValue(0.0f),
      columnHeight(0),
      columnY(13),
      unitDivisor(1.0f),
      displayDivisor(1.0f),
      segments(),
      column(),
      image(quillon::Bitmap(BAR_BITMAP)),
      unitMWh(0),
      valueText(),
      labelText(nullptr),
      clickCallback(nullptr)
{
    setWidth(image.getWidth());
    setHeight(image.getHeight());
    setTouchable(true);
    columnHeight = static_cast<uint16_t>(getHeight() - 27);

    const quillon::Color white = Palette::entry(11);
    column.value = 0;
    column.box.setPosition(COLUMN_X, static_cast<int16_t>(columnY), COLUMN_WIDTH, static_cast<int16_t>(columnHeight));
    column.box.setColor(Palette::entry(18));
    for (Segment& segment : segments) {
        segment.value = 0;
        segment.box.setPosition(COLUMN_X, static_cast<int16_t>(columnY + columnHeight), COLUMN_WIDTH, 0);
        segment.box.setColor(Palette::entry(19));
        segment.box.setVisible(false);
    }

    label.setTextId(quillon::TypedText(LABEL_TEXT));
    label.setPosition(6, 70, 70, 200);
    label.setRotation(3);
    label.setColor(white);

    helpers::formatWide(valueText, VALUE_LIMIT, "%.1f", 0.0);
    const quillon::Font* font = ApplicationFontProvider().getFont(VALUE_FONT);
    value.setText(valueText, font);
    value.setAlignment(1);
    value.setPosition(0, 13, FRAME_X, static_cast<int16_t>(value.getTextHeight()));
    value.setColor(white);
    unit.setText(quillon::TypedText(KWH_TEXT).getText(), font);
    unit.setAlignment(1);
    unit.setPosition(0, static_cast<int16_t>(13 + value.getHeight()), FRAME_X, value.getHeight());
    unit.setColor(white);
    value.setVisible(false);
    unit.setVisible(false);

    add(column.box);
    for (Segment& segment : segments) {
        add(segment.box);
    }
    add(image);
    add(label);
    add(value);
    add(unit);
    layoutSegments();
}

void EnergyBar::onClick(const quillon::ClickEvent& event)
{
    if (event.getType() == quillon::ClickEvent::PRESSED && clickCallback != nullptr && clickCallback->isValid()) {
        clickCallback->execute(this);
    }
}

void EnergyBar::setSegmentCount(uint8_t count)
{
    if (count <= MAX_SEGMENTS) {
        segmentCount = count;
    }
}

void EnergyBar::setSegmentColor(quillon::Color color, uint8_t index)
{
    if (index < segmentCount) {
        segments[index].box.setColor(color);
    }
}

void EnergyBar::setUnitDivisor(double divisor)
{
    unitDivisor = divisor < 1.0 ? 1.0f : static_cast<float>(divisor);
}

void EnergyBar::setDisplayDivisor(double divisor)
{
    displayDivisor = divisor < 1.0 ? 1.0f : static_cast<float>(divisor);
}

void EnergyBar::setUnitMWh(bool on)
{
    unitMWh = on ? 1 : 0;
    unit.setText(quillon::TypedText(on ? MWH_TEXT : KWH_TEXT).getText(), unit.getFont());
}

void EnergyBar::setSegmentValue(uint32_t newValue, uint8_t index)
{
    if (index < segmentCount) {
        segments[index].value = newValue;
        refresh();
    }
}

void EnergyBar::setMaximum(uint32_t newMaximum)
{
    maximum = newMaximum == 0 ? 1 : newMaximum;
    displayedMaximum = static_cast<float>(maximum) / displayDivisor;
    displayedValue = static_cast<float>(total) / displayDivisor;
}

void EnergyBar::refresh()
{
    total = 0;
    for (uint8_t i = 0; i < segmentCount; ++i) {
        total += segments[i].value;
    }
    if (total > maximum) {
        setMaximum(total); // never overflows its column
    } else {
        displayedValue = static_cast<float>(total) / displayDivisor;
    }
    layoutSegments();
}

// Integer arithmetic, every division truncating, as the segments have always been laid out.
void EnergyBar::layoutSegments()
{
    const uint32_t divisor = total > LARGE_TOTAL ? 1000 : 1;
    uint32_t scaled = total / divisor;
    const uint32_t height = columnHeight;
    uint32_t scaledMaximum = maximum / divisor;
    if (scaledMaximum == 0) {
        scaledMaximum = 1;
    }
    uint32_t barHeight = (height * scaled) / scaledMaximum;
    if (barHeight > height) {
        barHeight = height; // a maximum set below the total: the column is full, not more
    }
    if (scaled == 0) {
        scaled = 1;
    }
    int16_t y = static_cast<int16_t>(columnY + columnHeight);
    for (uint8_t i = 0; i < segmentCount; ++i) {
        quillon::Box& box = segments[i].box;
        const uint32_t segmentHeight = ((segments[i].value / divisor) * barHeight) / scaled;
        box.setHeight(static_cast<int16_t>(segmentHeight));
        y = static_cast<int16_t>(y - box.getHeight());
        box.setY(y);
        box.setVisible(true);
    }
    formatValue(valueText);
    invalidate();
}

void EnergyBar::formatValue(quillon::WideChar* buffer) const
{
    if (displayedValue < 100.0f) {
        helpers::formatWide(buffer, VALUE_LIMIT, "%.1f", static_cast<double>(displayedValue));
    } else {
        // Totals reach the top of 32 bits, which a float rounds up past it.
        const uint32_t whole =
            displayedValue >= 4294967295.0f ? UINT32_MAX : static_cast<uint32_t>(displayedValue);
        helpers::formatWide(buffer, VALUE_LIMIT, "%lu", static_cast<unsigned long>(whole));
    }
}

void EnergyBar::showLabel(const quillon::WideChar* text, quillon::Color color)
{
    labelText = text;
    label.setWildcard(text);
    label.setColor(color);
    label.invalidate();
}

void EnergyBar::setLabel(const quillon::WideChar* text)
{
    showLabel(text, Palette::entry(11));
}

void EnergyBar::setHighlightedLabel(const quillon::WideChar* text)
{
    showLabel(text, Palette::entry(8));
}

void EnergyBar::setValueVisible(bool visible)
{
    setUnitMWh(unitMWh != 0); // the unit in the language shown now
    value.setVisible(visible);
    unit.setVisible(visible);
    // Hidden widgets do not invalidate themselves; the bar redraws where they lie.
    quillon::Rectangle area(value.getX(), value.getY(), value.getWidth(),
                            static_cast<int16_t>(unit.getY() + unit.getHeight() - value.getY()));
    invalidatePart(area);
}
} // namespace guicontrols
