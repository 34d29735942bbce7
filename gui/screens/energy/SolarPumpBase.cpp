#include "gui/screens/energy/SolarPumpBase.hpp"

#include "gui/common/GenericView.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/PlotDrawing.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/Font.hpp>
#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId UNIT_TEXT = 1258; // "l/min"
const uint8_t LINE_COLOUR = 10;
const uint8_t UNIT_COLOUR = 11;
const int16_t MARKER_SIZE = 8;
// The line in display coordinates: 0 % / 0 at the lower end, 100 % / full scale at the upper.
const int16_t LINE_LOW_X = 110;
const int16_t LINE_LOW_Y = 360;
const int16_t LINE_HIGH_X = 495;
const int16_t LINE_HIGH_Y = 122;
const uint8_t LINE_WIDTH = 4;
const uint16_t DASH_THICKNESS = 2;
const uint16_t DASH_LENGTH = 8;
const uint8_t TOP_LABEL = 0;
const uint8_t MIDDLE_LABEL = 2;
const uint8_t BOTTOM_LABEL = 4;
const float WIDE_FLOW = 1000.0f;
// Wide enough for the "100%" label under the last band.
const int16_t CHART_WIDTH = 560;
} // namespace

SolarPumpBase::SolarPumpBase(uint8_t pointColour)
    : maxFlow(FIRST_MAX_FLOW),
      horizontalLine(0, 0, 0, DASH_THICKNESS, DASH_LENGTH, guicontrols::Palette::entry(pointColour), 0),
      verticalLine(0, 0, 0, DASH_THICKNESS, DASH_LENGTH, guicontrols::Palette::entry(pointColour), 1),
      speedLabels(), flowLabels()
{
    const uint16_t units = guicontrols::PlotBackground::TEXT_SIZE;
    for (uint8_t i = 0; i < SPEED_LABELS; ++i) {
        helpers::formatWide(speedLabels[i], units, "%d%%%%", i * 20);
    }
    const quillon::Color lineColour = guicontrols::Palette::entry(LINE_COLOUR);
    lowerEnd.setPosition(107, 285, MARKER_SIZE, MARKER_SIZE);
    lowerEnd.setColor(lineColour);
    upperEnd.setPosition(492, 47, MARKER_SIZE, MARKER_SIZE);
    upperEnd.setColor(lineColour);

    const quillon::TypedText unit(UNIT_TEXT);
    unitLabel.setTextId(unit);
    unitLabel.setAlignment(1);
    unitLabel.setVerticalAlignment(1);
    unitLabel.setColor(guicontrols::Palette::entry(UNIT_COLOUR));
    unitLabel.setPosition(80, 5, unit.getFont()->getStringWidth(unit.getText()),
                          static_cast<int16_t>(unit.getFont()->getFullHeight()));

    chart.setColumnGeometry(75, 3);
    chart.setPosition(0, 0, CHART_WIDTH, 400);
    chart.setXLabels(speedLabels, SPEED_LABELS);
    chart.setYLabels(flowLabels, FLOW_LABELS);

    line.setLine(LINE_LOW_X, LINE_LOW_Y, LINE_HIGH_X, LINE_HIGH_Y, lineColour, LINE_WIDTH);
    const quillon::Rectangle plot(chart.getPlotAreaX(), chart.getPlotAreaY(), chart.getPlotAreaWidth(),
                                  chart.getPlotAreaHeight());
    line.setPosition(plot.x, plot.y, plot.width, plot.height);
    horizontalLine.setPosition(plot.x, plot.y, plot.width, plot.height);
    verticalLine.setPosition(plot.x, plot.y, plot.width, plot.height);
    pointMarker.setPosition(0, 0, MARKER_SIZE, MARKER_SIZE);
    pointMarker.setColor(guicontrols::Palette::entry(pointColour));
    showOperatingPoint(false);
}

void SolarPumpBase::updateMaxFlow(float flow, uint8_t speed)
{
    if (speed != 0) {
        maxFlow = flow * (100.0f / speed);
    }
    const uint16_t units = guicontrols::PlotBackground::TEXT_SIZE;
    // Four digits before the point (a flow measured at a speed of a few percent) leave room
    // for one decimal only in the label's field.
    const char* format = maxFlow >= WIDE_FLOW ? "%.1f" : "%.2f";
    helpers::formatWide(flowLabels[TOP_LABEL], units, format, static_cast<double>(maxFlow));
    helpers::formatWide(flowLabels[MIDDLE_LABEL], units, format, static_cast<double>(maxFlow / 2.0f));
    helpers::formatWide(flowLabels[BOTTOM_LABEL], units, "%d", 0);
}

void SolarPumpBase::placeOperatingPoint(uint8_t speed)
{
    // An axis from 0 to 0 maps nothing: no point rather than one at a meaningless place.
    if (maxFlow == 0.0f) {
        showOperatingPoint(false);
        return;
    }
    const int16_t top = static_cast<int16_t>(chart.getPlotAreaY() + GenericView::TOP_BAR_HEIGHT);
    const float flow = speed / 100.0f * maxFlow;
    const int32_t y = guicontrols::valueToPixel(flow, top, chart.getPlotAreaHeight(), 0.0f, maxFlow);
    const int32_t x = chart.getPlotAreaX() + speed * chart.getPlotAreaWidth() / 100;
    if (x == 0 || y == 0) {
        return;
    }
    verticalLine.setLine(static_cast<int16_t>(x), static_cast<int16_t>(y), LINE_LOW_Y);
    horizontalLine.setLine(static_cast<int16_t>(x), static_cast<int16_t>(y), chart.getPlotAreaX());
    pointMarker.setXY(static_cast<int16_t>(x - 3), static_cast<int16_t>(y - 75));
    showOperatingPoint(true);
}

void SolarPumpBase::showOperatingPoint(bool shown)
{
    pointMarker.setVisible(shown);
    horizontalLine.setVisible(shown);
    verticalLine.setVisible(shown);
}
