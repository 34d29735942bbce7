#ifndef GUICONTROLS_PLOTBACKGROUND_HPP
#define GUICONTROLS_PLOTBACKGROUND_HPP

#include "guicontrols/TextField.hpp"
#include "helpers/DateTime.hpp"

#include <quillon/Font.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/widgets/Box.hpp>

#include <stdint.h>

namespace guicontrols
{
// A chart's background: column bands over the plot area, a y axis with ticks, labels under
// the bands and beside the ticks. Positions are relative to the background; the plot area
// lies at x 110, y 50, 240 high, as wide as the bands. Each label setter places what it
// labels, leaves the rest as it was and invalidates the whole background.
class PlotBackground : public quillon::Container
{
public:
    static constexpr uint8_t MAX_BANDS = 10;
    static constexpr uint8_t MAX_LABELS = 11;
    // Units of a label text, its terminator included.
    static constexpr uint8_t TEXT_SIZE = 15;

    PlotBackground();

    // Before the x labels.
    void setColumnGeometry(uint16_t width, uint16_t gap);

    // x labels, left to right in the arrays, at most MAX_LABELS of them; count - 1 bands.
    void setXLabels(const quillon::WideChar texts[][TEXT_SIZE], uint8_t count);
    // The generated ones run right to left from start, the rightmost being "now" or "today"
    // when asked for.
    void setTimeLabels(helpers::DateTime start, int32_t stepSeconds, uint8_t count, bool nowFirst);
    // Label i is shown when i mod skip is not 0; skip 255 and skip 0 show every label.
    void setDateLabels(helpers::DateTime start, int32_t stepDays, uint8_t count, bool todayFirst, uint8_t skip);
    // The leftmost label is shown only with showFirst.
    void setWeekLabels(helpers::DateTime start, int32_t stepWeeks, uint8_t count, bool showFirst);
    void setYearLabels(helpers::DateTime start, int32_t stepYears, uint8_t count);
    void setMonthLabels(helpers::DateTime start, int32_t stepMonths, uint8_t count);

    // y labels from the top, at most MAX_LABELS; one label sits on the top tick.
    void setYLabels(const quillon::WideChar texts[][TEXT_SIZE], uint8_t count);
    // From minimum + (count - 1) x step at the top down to minimum.
    void setNumericYLabels(int32_t minimum, int32_t step, uint16_t count);

    // Meaningful once the bands are placed; the width is 0 below 2 bands.
    int16_t getPlotAreaX() const { return bands[0].getX(); }
    int16_t getPlotAreaY() const { return bands[0].getY(); }
    int16_t getPlotAreaHeight() const { return bands[0].getHeight(); }
    int16_t getPlotAreaWidth() const;

    const TextField& getXLabel(uint8_t index) const { return xLabelFields[index]; }
    const TextField& getYLabel(uint8_t index) const { return yLabelFields[index]; }
    const quillon::Box& getYTick(uint8_t index) const { return yTicks[index]; }
    const quillon::Box& getBand(uint8_t index) const { return bands[index]; }

private:
    uint8_t beginXLabels(uint8_t count);
    void placeXLabels(uint8_t count);
    void placeColumn(uint8_t index);
    void placeXLabel(uint8_t index);
    uint8_t beginYLabels(uint16_t count);
    void placeYLabels(uint8_t count);
    void placeYTick(uint8_t index);
    void placeYLabel(uint8_t index);
    // Labels that would run together are drawn in the smaller font.
    void fitXLabels(uint8_t count);
    // Pixels between ticks.
    int16_t tickSpacing() const;
    void addOnce(quillon::Drawable& child);
    // Runs from the rightmost label to the leftmost, advancing after each; the rightmost is
    // typed text firstText when replaceFirst is set.
    template <class Writer, class Advance>
    void fillXTextsRightToLeft(uint8_t count, bool replaceFirst, uint16_t firstText, Writer&& write,
                               Advance&& advance);

    const quillon::Font* labelFont;
    quillon::Box bands[MAX_BANDS];
    quillon::Box yAxisLine;
    quillon::Box yTicks[MAX_LABELS];
    uint16_t columnWidth;
    uint16_t columnGap;
    uint8_t yIntervals;
    uint8_t xIntervals;
    quillon::WideChar xTexts[MAX_LABELS][TEXT_SIZE];
    quillon::WideChar yTexts[MAX_LABELS][TEXT_SIZE];
    TextField xLabelFields[MAX_LABELS];
    TextField yLabelFields[MAX_LABELS];
    uint16_t placedXLabels; // bit i: x label i shows its text
};
} // namespace guicontrols

#endif
