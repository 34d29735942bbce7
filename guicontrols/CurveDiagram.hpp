#ifndef GUICONTROLS_CURVEDIAGRAM_HPP
#define GUICONTROLS_CURVEDIAGRAM_HPP

#include <quillon/Widget.hpp>

#include <stdint.h>

namespace guicontrols
{
class HeatingCurve;

// The heating curve as an anti-aliased line. Square roots per pixel are too dear for every
// frame, so each change rasterises the curve once into a row per column and then into a
// table of coverage runs; drawing walks the table straight into the frame buffer.
// Always 490 x 230 pixels at the diagram's top-left corner; transparent.
class CurveDiagram : public quillon::Widget
{
public:
    static constexpr int16_t WIDTH = 490;
    static constexpr int16_t HEIGHT = 230;
    // Bytes of a column's run, the terminating 0 included.
    static constexpr uint8_t COVERAGE_SIZE = 60;

    struct CurveColumn
    {
        int16_t top; // row of the first coverage byte
        uint8_t coverage[COVERAGE_SIZE];
    };

    CurveDiagram();

    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }
    // The size is fixed.
    void setPosition(int16_t x, int16_t y, int16_t width, int16_t height) override;
    void setWidth(int16_t width) override;
    void setHeight(int16_t height) override;

    void setCurve(const HeatingCurve& curve);

    // Blends each RGB565 field; 255 gives the foreground only through the drawing's own
    // shortcut, as 256 - 255 leaves 1/256 of the background.
    static uint16_t alphaBlend(uint16_t foreground, uint16_t background, uint8_t alpha);

    int16_t getColumnRowAt(uint16_t column) const { return columnRows[column]; }
    const CurveColumn& getColumn(uint16_t column) const { return columns[column]; }
    uint16_t getComputedColumns() const { return computedColumns; }

private:
    void rasterizeLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
    void plotColumn(int32_t x, int32_t y);
    void computeCoverage();
    void computeColumn(uint16_t column);
    float getColumnRow(int32_t column) const;

    CurveColumn columns[WIDTH];
    uint16_t computedColumns;
    int16_t columnRows[WIDTH];
};
} // namespace guicontrols

#endif
