#ifndef GUICONTROLS_HEATINGCURVE_HPP
#define GUICONTROLS_HEATINGCURVE_HPP

#include "guicontrols/CurveDiagram.hpp"
#include "guicontrols/DiagramAxes.hpp"
#include "guicontrols/DiagramMarkers.hpp"

#include <quillon/containers/Container.hpp>
#include <quillon/widgets/TextAreaWithOneWildcard.hpp>

#include <stdint.h>

namespace guicontrols
{
// The heating-curve diagram, 560 x 260: flow temperature (0 to 100 degrees, upwards) over the
// outside temperature (+20 at the y axis to -30 at the right end), with the curve through
// six points 10 K apart, their discs and guides, and labels on the axes and at the points.
// The owner passes room setpoint, slope and level; a setter with redraw 1 recomputes and
// redraws all of it. Nothing of the curve shows before the first update.
class HeatingCurve : public quillon::Container
{
public:
    static constexpr uint8_t POINTS = 6;
    static constexpr uint8_t FLOW_LABELS = 5;
    // Where the axes meet, in diagram coordinates, and the plot's extent from there.
    static constexpr int16_t ORIGIN_X = 50;
    static constexpr int16_t ORIGIN_Y = 190;
    static constexpr int16_t PLOT_WIDTH = 430;
    static constexpr int16_t PLOT_HEIGHT = 185;
    // Units of a label text, its terminator included: values -30 to 100.
    static constexpr uint8_t LABEL_SIZE = 4;

    struct CurvePoint
    {
        float outsideTemperature; // degrees
        float flowTemperature;    // degrees, within 0..100
        int32_t x;                // pixels right of the y axis
        int32_t y;                // pixels above the x axis, within 0..185
    };

    HeatingCurve();

    void setSlope(float slope, int redraw);
    void setLevel(int32_t level, int redraw);
    void setRoomSetpoint(int32_t degrees, int redraw);
    // 0, 25, 50, 75 and 100 on the flow axis; until then its labels read "0".
    void setFlowAxisLabels(int redraw);
    void updateDiagram();

    float calculateFlowTemperature(float outsideTemperature) const;
    static float distanceFromLeftEnd(float outsideTemperature);
    static int32_t flowToPixel(float flow);
    static float pixelToOutside(int32_t x);

    const CurvePoint& getPoint(uint8_t index) const { return points[index]; }
    const CurveDiagram& getCurve() const { return curve; }
    const quillon::TextAreaWithOneWildcard& getPointLabel(uint8_t index) const { return pointLabels[index]; }
    const quillon::TextAreaWithOneWildcard& getXLabel(uint8_t index) const { return xLabels[index]; }
    const quillon::TextAreaWithOneWildcard& getYLabel(uint8_t index) const { return yLabels[index]; }
    const quillon::WideChar* getPointText(uint8_t index) const { return pointTexts[index]; }
    const quillon::WideChar* getXText(uint8_t index) const { return xTexts[index]; }
    const quillon::WideChar* getYText(uint8_t index) const { return yTexts[index]; }

private:
    void computePoints();
    void placeLabels();
    // Invalidates the label where it was and where it goes: a moved label leaves no trace.
    void moveLabel(quillon::TextAreaWithOneWildcard& label, int16_t x, int16_t y, int16_t width,
                   int16_t height);

    quillon::TextAreaWithOneWildcard xLabels[POINTS];
    quillon::TextAreaWithOneWildcard yLabels[FLOW_LABELS];
    quillon::TextAreaWithOneWildcard pointLabels[POINTS];
    quillon::WideChar xTexts[POINTS][LABEL_SIZE];
    quillon::WideChar yTexts[FLOW_LABELS][LABEL_SIZE];
    quillon::WideChar pointTexts[POINTS][LABEL_SIZE];
    CurveDiagram curve;
    DiagramAxes axes;
    DiagramMarkers markers;
    int32_t roomSetpoint;
    float slope;
    int32_t level;
    CurvePoint points[POINTS];
    int32_t flowAxisValues[FLOW_LABELS];
};
} // namespace guicontrols

#endif
