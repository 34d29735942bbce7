#include "guicontrols/PlotBackground.hpp"

#include "guicontrols/Palette.hpp"
#include "helpers/Text.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/TypedText.hpp>

namespace guicontrols
{
using quillon::Rectangle;
using quillon::WideChar;

namespace
{
const int16_t PLOT_X = 110;
const int16_t PLOT_Y = 50;
const int16_t PLOT_HEIGHT = 240;
const quillon::FontId LABEL_FONT = 3;
// Labels too wide for their place fall back to this font.
const quillon::FontId CROWDED_LABEL_FONT = 0;
const int16_t Y_TICK_X = 95;
const int16_t Y_LABEL_X = -5;
// Between a y label and its tick, and between two time or date labels.
const int16_t Y_LABEL_GAP = 4;
const int16_t X_LABEL_GAP = 10;
const uint16_t NOW_TEXT = 1002;
const uint16_t TODAY_TEXT = 985;
const uint8_t ALL_LABELS = 255;

// At most TEXT_SIZE - 1 units, so that the text stays terminated, and never past the source's
// own room.
void copyText(WideChar* destination, const WideChar* source, uint16_t sourceUnits = PlotBackground::TEXT_SIZE)
{
    uint16_t i = 0;
    for (; source != nullptr && i + 1 < PlotBackground::TEXT_SIZE && i < sourceUnits && source[i] != 0; ++i) {
        destination[i] = source[i];
    }
    destination[i] = 0;
}

void writeTypedText(WideChar* destination, uint16_t id)
{
    copyText(destination, quillon::TypedText(id).getText());
}
} // namespace

PlotBackground::PlotBackground()
    : labelFont(ApplicationFontProvider().getFont(LABEL_FONT)), columnWidth(80), columnGap(5), yIntervals(10),
      xIntervals(10), xTexts(), yTexts(), placedXLabels(0)
{
    yAxisLine.setPosition(105, PLOT_Y, 2, PLOT_HEIGHT);
    yAxisLine.setColor(Palette::entry(11));
    add(yAxisLine);
    for (TextField& field : xLabelFields) {
        field.setAlignment(0);
        field.setVerticalAlignment(1);
        field.setColor(Palette::entry(11));
    }
    for (TextField& field : yLabelFields) {
        field.setAlignment(2);
        field.setVerticalAlignment(1);
        field.setColor(Palette::entry(11));
    }
}

void PlotBackground::setColumnGeometry(uint16_t width, uint16_t gap)
{
    columnWidth = width;
    columnGap = gap;
}

int16_t PlotBackground::getPlotAreaWidth() const
{
    if (xIntervals < 2) {
        return 0;
    }
    return static_cast<int16_t>(bands[xIntervals - 1].getRect().right() - bands[0].getX());
}

void PlotBackground::addOnce(quillon::Drawable& child)
{
    if (child.getParent() == nullptr) {
        add(child);
    }
}

uint8_t PlotBackground::beginXLabels(uint8_t count)
{
    const uint8_t labels = count < MAX_LABELS ? count : MAX_LABELS;
    xIntervals = static_cast<uint8_t>(labels > 0 ? labels - 1 : 0);
    if (labelFont == nullptr) {
        labelFont = ApplicationFontProvider().getFont(LABEL_FONT);
    }
    placedXLabels = 0;
    return labels;
}

void PlotBackground::placeXLabels(uint8_t count)
{
    for (uint8_t i = 0; i < xIntervals; ++i) {
        placeColumn(i);
    }
    for (uint8_t i = 0; i < count; ++i) {
        placeXLabel(i);
    }
    fitXLabels(count);
    invalidate();
}

void PlotBackground::fitXLabels(uint8_t count)
{
    // Left-aligned one column apart: "06:08" filled its 80 px and ran into "10:08".
    bool crowded = false;
    int16_t previousEnd = 0;
    bool previous = false;
    for (uint8_t i = 0; i < count && labelFont != nullptr; ++i) {
        if ((placedXLabels & (1u << i)) == 0) {
            continue;
        }
        const TextField& field = xLabelFields[i];
        crowded = crowded || (previous && previousEnd + X_LABEL_GAP > field.getX());
        previousEnd = static_cast<int16_t>(field.getX() + labelFont->getStringWidth(field.getText()));
        previous = true;
    }
    const quillon::Font* font = crowded ? ApplicationFontProvider().getFont(CROWDED_LABEL_FONT) : labelFont;
    for (uint8_t i = 0; i < count; ++i) {
        if ((placedXLabels & (1u << i)) != 0) {
            xLabelFields[i].setRawFont(font);
        }
    }
}

void PlotBackground::placeColumn(uint8_t index)
{
    quillon::Box& band = bands[index];
    band.setColor(Palette::entry(4));
    band.setPosition(static_cast<int16_t>(PLOT_X + index * (columnWidth + columnGap)), PLOT_Y,
                     static_cast<int16_t>(columnWidth), PLOT_HEIGHT);
    addOnce(band);
}

void PlotBackground::placeXLabel(uint8_t index)
{
    TextField& field = xLabelFields[index];
    field.setText(xTexts[index], labelFont);
    const int16_t advance = labelFont != nullptr ? static_cast<int16_t>(labelFont->getCharWidth('w')) : 0;
    const int16_t height = labelFont != nullptr ? static_cast<int16_t>(labelFont->getFontHeight()) : 0;
    field.setPosition(static_cast<int16_t>(105 + index * columnWidth), PLOT_Y + PLOT_HEIGHT,
                      static_cast<int16_t>(12 * advance), static_cast<int16_t>(height + 18));
    addOnce(field);
    placedXLabels = static_cast<uint16_t>(placedXLabels | (1u << index));
}

template <class Writer, class Advance>
void PlotBackground::fillXTextsRightToLeft(uint8_t count, bool replaceFirst, uint16_t firstText, Writer&& write,
                                           Advance&& advance)
{
    for (int16_t i = static_cast<int16_t>(count - 1); i >= 0; --i) {
        if (replaceFirst) {
            writeTypedText(xTexts[i], firstText);
            replaceFirst = false;
        } else {
            write(xTexts[i]);
        }
        advance(); // "now" and "today" stand for the start itself
    }
}

void PlotBackground::setXLabels(const WideChar texts[][TEXT_SIZE], uint8_t count)
{
    const uint8_t labels = beginXLabels(count);
    for (uint8_t i = 0; i < labels; ++i) {
        copyText(xTexts[i], texts[i]);
    }
    placeXLabels(labels);
}

void PlotBackground::setTimeLabels(helpers::DateTime start, int32_t stepSeconds, uint8_t count, bool nowFirst)
{
    const uint8_t labels = beginXLabels(count);
    fillXTextsRightToLeft(labels, nowFirst, NOW_TEXT, [&](WideChar* text) {
        helpers::TextCursor(text, TEXT_SIZE)
            .number(static_cast<int32_t>(start.getHour()), 2)
            .character(':')
            .number(static_cast<int32_t>(start.getMinute()), 2);
    }, [&]() { start.addSeconds(static_cast<uint32_t>(stepSeconds)); });
    placeXLabels(labels);
}

void PlotBackground::setDateLabels(helpers::DateTime start, int32_t stepDays, uint8_t count, bool todayFirst,
                                   uint8_t skip)
{
    const uint8_t labels = beginXLabels(count);
    fillXTextsRightToLeft(labels, todayFirst, TODAY_TEXT, [&](WideChar* text) {
        helpers::TextCursor(text, TEXT_SIZE)
            .number(static_cast<int32_t>(start.getDay()), 2)
            .character('.')
            .number(static_cast<int32_t>(start.getMonth()), 2)
            .character('.');
    }, [&]() { start.addDays(static_cast<uint32_t>(stepDays)); });
    for (uint8_t i = 0; i < xIntervals; ++i) {
        placeColumn(i);
    }
    for (uint8_t i = 0; i < labels; ++i) {
        // A skip of 0 would divide by zero: it shows every label, as 255 does.
        if (skip == ALL_LABELS || skip == 0 || i % skip != 0) {
            placeXLabel(i);
        }
    }
    fitXLabels(labels);
    invalidate();
}

void PlotBackground::setWeekLabels(helpers::DateTime start, int32_t stepWeeks, uint8_t count, bool showFirst)
{
    const uint8_t labels = beginXLabels(count);
    fillXTextsRightToLeft(labels, false, 0, [&](WideChar* text) {
        helpers::TextCursor(text, TEXT_SIZE).number(static_cast<int32_t>(start.getWeekOfYear()), 2);
    }, [&]() { start.addDays(static_cast<uint32_t>(7 * stepWeeks)); });
    for (uint8_t i = 0; i < xIntervals; ++i) {
        placeColumn(i);
    }
    for (uint8_t i = showFirst ? 0 : 1; i < labels; ++i) {
        placeXLabel(i);
    }
    fitXLabels(labels);
    invalidate();
}

void PlotBackground::setYearLabels(helpers::DateTime start, int32_t stepYears, uint8_t count)
{
    const uint8_t labels = beginXLabels(count);
    uint16_t year = static_cast<uint16_t>(start.getYear());
    fillXTextsRightToLeft(labels, false, 0, [&](WideChar* text) {
        helpers::TextCursor(text, TEXT_SIZE).number(year, 0);
    }, [&]() { year = static_cast<uint16_t>(year + stepYears); });
    placeXLabels(labels);
}

void PlotBackground::setMonthLabels(helpers::DateTime start, int32_t stepMonths, uint8_t count)
{
    const uint8_t labels = beginXLabels(count);
    fillXTextsRightToLeft(labels, false, 0, [&](WideChar* text) {
        WideChar date[TEXT_SIZE];
        start.formatDate(date, TEXT_SIZE, true);
        copyText(text, date + 3, TEXT_SIZE - 3); // "07.03.2016" without its day: "03.2016"
    }, [&]() { start.addMonths(stepMonths); });
    placeXLabels(labels);
}

uint8_t PlotBackground::beginYLabels(uint16_t count)
{
    const uint8_t labels = static_cast<uint8_t>(count < MAX_LABELS ? count : MAX_LABELS);
    yIntervals = static_cast<uint8_t>(labels > 0 ? labels - 1 : 0);
    if (labelFont == nullptr) {
        labelFont = ApplicationFontProvider().getFont(LABEL_FONT);
    }
    return labels;
}

void PlotBackground::placeYLabels(uint8_t count)
{
    for (uint8_t i = 0; i < count; ++i) {
        placeYTick(i);
        placeYLabel(i);
    }
    invalidate();
}

int16_t PlotBackground::tickSpacing() const
{
    // A single label has no interval: it sits on the top tick.
    return yIntervals != 0 ? static_cast<int16_t>(PLOT_HEIGHT / yIntervals) : 0;
}

void PlotBackground::placeYTick(uint8_t index)
{
    int16_t offset = static_cast<int16_t>(tickSpacing() * index);
    if (offset > PLOT_HEIGHT - 1) {
        offset = PLOT_HEIGHT - 2; // the bottom tick stays inside the plot area
    }
    quillon::Box& tick = yTicks[index];
    tick.setColor(Palette::entry(11));
    tick.setPosition(Y_TICK_X, static_cast<int16_t>(PLOT_Y + offset), 10, 2);
    addOnce(tick);
}

void PlotBackground::placeYLabel(uint8_t index)
{
    if (helpers::isEmptyText(yTexts[index])) {
        return;
    }
    TextField& field = yLabelFields[index];
    const int16_t advance = labelFont != nullptr ? static_cast<int16_t>(labelFont->getCharWidth('w')) : 0;
    const int16_t height = labelFont != nullptr ? static_cast<int16_t>(labelFont->getFontHeight()) : 0;
    // Right-aligned, the label ends short of its tick instead of under it; a word too long
    // for that room ("nederst") takes the smaller font.
    int16_t width = static_cast<int16_t>(5 * advance);
    if (width > Y_TICK_X - Y_LABEL_GAP - Y_LABEL_X) {
        width = Y_TICK_X - Y_LABEL_GAP - Y_LABEL_X;
    }
    const quillon::Font* font = labelFont;
    if (font != nullptr && font->getStringWidth(yTexts[index]) > width + Y_LABEL_X) {
        font = ApplicationFontProvider().getFont(CROWDED_LABEL_FONT);
    }
    field.setText(yTexts[index], font);
    field.setPosition(Y_LABEL_X, static_cast<int16_t>(tickSpacing() * index - height / 2 + PLOT_Y), width, height);
    addOnce(field);
}

void PlotBackground::setYLabels(const WideChar texts[][TEXT_SIZE], uint8_t count)
{
    const uint8_t labels = beginYLabels(count);
    for (uint8_t i = 0; i < labels; ++i) {
        copyText(yTexts[i], texts[i]);
    }
    placeYLabels(labels);
}

void PlotBackground::setNumericYLabels(int32_t minimum, int32_t step, uint16_t count)
{
    const uint8_t labels = beginYLabels(count);
    for (uint8_t i = 0; i < labels; ++i) {
        helpers::formatWide(yTexts[i], TEXT_SIZE, "%i", minimum + (labels - 1) * step - step * i);
    }
    placeYLabels(labels);
}
} // namespace guicontrols
