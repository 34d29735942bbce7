#ifndef GUI_SCREENS_ENERGY_SOLARPUMPBASE_HPP
#define GUI_SCREENS_ENERGY_SOLARPUMPBASE_HPP

#include "guicontrols/PlotBackground.hpp"
#include "guicontrols/PlotDashLine.hpp"
#include "guicontrols/PlotLine.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/widgets/Box.hpp>

#include <stdint.h>

// The solar pump's characteristic: flow in l/min over speed in percent, a straight line
// through the origin to the full-scale flow at 100 %. The line and its end markers never
// move: the flow axis is rescaled instead. The operating point is a marker on the line with
// dashed lines to both axes. The owning view adds the widgets to its content itself.
class SolarPumpBase
{
public:
    static constexpr uint8_t SPEED_LABELS = 6;
    static constexpr uint8_t FLOW_LABELS = 5;
    static constexpr float FIRST_MAX_FLOW = 10.0f;

    virtual ~SolarPumpBase() {}

    float getMaxFlow() const { return maxFlow; }
    const guicontrols::PlotBackground& getChart() const { return chart; }
    const quillon::Box& getPointMarker() const { return pointMarker; }
    const guicontrols::PlotLine& getLine() const { return line; }
    const guicontrols::TextField& getUnitLabel() const { return unitLabel; }
    const quillon::WideChar* getFlowLabel(uint8_t index) const { return flowLabels[index]; }

protected:
    // The dashed lines and the point marker are drawn in this palette entry.
    explicit SolarPumpBase(uint8_t pointColour);

    // A flow measured at a speed: the full-scale flow becomes flow x 100 / speed (kept at
    // speed 0), and the top, middle and bottom flow labels are written from it. The chart
    // shows them once handed over (showFlowLabels).
    void updateMaxFlow(float flow, uint8_t speed);
    void showFlowLabels() { chart.setYLabels(flowLabels, FLOW_LABELS); }
    // The marker and its dashed lines at the speed on the line; nothing moves while the
    // flow axis has no range (full scale 0), and then the point is hidden.
    void placeOperatingPoint(uint8_t speed);
    void showOperatingPoint(bool shown);

    float maxFlow;
    guicontrols::PlotBackground chart;
    guicontrols::TextField unitLabel;
    guicontrols::PlotLine line;
    quillon::Box lowerEnd;
    quillon::Box upperEnd;
    guicontrols::PlotDashLine horizontalLine;
    guicontrols::PlotDashLine verticalLine;
    quillon::Box pointMarker;

private:
    quillon::WideChar speedLabels[SPEED_LABELS][guicontrols::PlotBackground::TEXT_SIZE];
    quillon::WideChar flowLabels[FLOW_LABELS][guicontrols::PlotBackground::TEXT_SIZE];
};

#endif
