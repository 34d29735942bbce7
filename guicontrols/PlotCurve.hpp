#ifndef GUICONTROLS_PLOTCURVE_HPP
#define GUICONTROLS_PLOTCURVE_HPP

#include <quillon/Widget.hpp>

#include <stdint.h>

namespace guicontrols
{
// Up to five curves over one value range, drawn as thick polylines straight into the frame
// buffer, the first point on the left edge and the last on the right edge. Points are kept
// as display rows, computed when set, so the widget is placed before its points are set.
// Optionally the background colour below each curve takes the colour of the curve line
// nearest above it. No setter redraws: the owner invalidates.
class PlotCurve : public quillon::Widget
{
public:
    static constexpr uint8_t MAX_CURVES = 5;
    // Counts are below this.
    static constexpr uint16_t MAX_POINTS = 200;

    PlotCurve();

    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }

    // At most MAX_CURVES.
    void setNumberOfCurves(uint8_t count);
    void setCurveColor(uint8_t curve, quillon::Color color);
    void setLineWidth(uint8_t width) { lineWidth = width; }
    void setAreaFill(quillon::Color background);
    // Before the points.
    void setRange(int32_t minimum, int32_t maximum);
    void setRange(int64_t minimum, int64_t maximum);
    void setPoints(uint8_t curve, const int32_t values[], uint16_t count);
    void setPoints(uint8_t curve, const int64_t values[], uint16_t count);
    void setPoint(uint8_t curve, uint16_t index, int32_t value);
    void setPoint(uint8_t curve, uint16_t index, int64_t value);
    void setNumberOfPoints(uint8_t curve, uint16_t count);
    // One flag per point index, shared by every curve: an invalid point breaks all curves.
    void setPointValid(uint16_t index, uint8_t valid);
    void setPointValidFlags(const uint8_t flags[], uint16_t count);

    uint16_t getNumberOfCurves() const { return curveCount; }
    uint16_t getNumberOfPoints(uint8_t curve) const { return curve < MAX_CURVES ? pointCounts[curve] : 0; }
    uint16_t getRow(uint8_t curve, uint16_t index) const { return rows[curve][index]; }

private:
    uint16_t rowOf(int64_t value) const;
    void drawLines(uint16_t* frameBuffer, const quillon::Rectangle& widget, const quillon::Rectangle& clip) const;
    void fillBelowCurves(uint16_t* frameBuffer, const quillon::Rectangle& widget, const quillon::Rectangle& clip) const;
    // Where the fill of each column of clip stands at the clip's top row: the colour of the
    // lowest curve pixel above it, read from the lines rather than from pixels that may
    // belong to whatever covers the chart there.
    void seedFill(const quillon::Rectangle& widget, const quillon::Rectangle& clip, int16_t* seedRows,
                  quillon::Color* seedColors) const;

    uint8_t lineWidth;
    int64_t minimum;
    int64_t maximum;
    uint16_t curveCount;
    quillon::Color fillColor;
    uint8_t fillEnabled;
    uint16_t pointCounts[MAX_CURVES];
    quillon::Color curveColors[MAX_CURVES];
    uint16_t rows[MAX_CURVES][MAX_POINTS];
    uint8_t valid[MAX_POINTS];
};
} // namespace guicontrols

#endif
