#include "guicontrols/PlotCurve.hpp"

#include "guicontrols/Palette.hpp"
#include "guicontrols/PlotDrawing.hpp"

#include <quillon/hal/HAL.hpp>

#include <string.h>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
// The widest redrawn area the fill is seeded for; the GUI task alone draws, so one set of
// scratch columns serves every chart.
const int16_t MAX_COLUMNS = 1024;
int16_t seedRowScratch[MAX_COLUMNS];
quillon::Color seedColorScratch[MAX_COLUMNS];
uint16_t fillCurrent[MAX_COLUMNS];
uint16_t fillStarted[MAX_COLUMNS];

// The fill's pass over every pixel of the chart, lanes pixels at a time: per column the fill
// colour (current) and all ones once a curve lies above it (started).
template <int lanes>
inline __attribute__((always_inline)) void fillRowsWith(uint16_t* row, int32_t stride, int16_t rows, int16_t width,
                                                        uint16_t fillColor, uint16_t* current, uint16_t* started)
{
    typedef uint16_t Lanes __attribute__((vector_size(2 * lanes)));
    const int16_t whole = static_cast<int16_t>(width - width % lanes);
    const Lanes fill = fillColor - Lanes{}; // in every lane
    for (int16_t y = 0; y < rows; ++y, row += stride) {
        for (int16_t i = 0; i < whole; i += lanes) {
            Lanes pixels, colours, masks;
            memcpy(&pixels, row + i, sizeof(pixels));
            memcpy(&colours, current + i, sizeof(colours));
            memcpy(&masks, started + i, sizeof(masks));
            const Lanes other = reinterpret_cast<Lanes>(pixels != fill); // all ones where not background
            colours = (pixels & other) | (colours & ~other);
            masks |= other;
            const Lanes result = (colours & masks) | (pixels & ~masks);
            memcpy(current + i, &colours, sizeof(colours));
            memcpy(started + i, &masks, sizeof(masks));
            memcpy(row + i, &result, sizeof(result));
        }
        for (int16_t i = whole; i < width; ++i) {
            if (row[i] != fillColor) {
                started[i] = 0xFFFF;
                current[i] = row[i];
            } else if (started[i] != 0) {
                row[i] = current[i];
            }
        }
    }
}

void fillRows(uint16_t* row, int32_t stride, int16_t rows, int16_t width, uint16_t fillColor, uint16_t* current,
              uint16_t* started)
{
    fillRowsWith<8>(row, stride, rows, width, fillColor, current, started); // the baseline's 128 bits
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target("avx2"))) void fillRowsAVX2(uint16_t* row, int32_t stride, int16_t rows, int16_t width,
                                                  uint16_t fillColor, uint16_t* current, uint16_t* started)
{
    fillRowsWith<16>(row, stride, rows, width, fillColor, current, started);
}

bool hasAVX2()
{
    static const bool available = (__builtin_cpu_init(), __builtin_cpu_supports("avx2") != 0);
    return available;
}
#endif

// Walks the segments of a curve as the chart lays them out: the first starts on the left
// edge, and leftover pixels widen segments spread evenly, so the last ends on the right edge.
template <class Segment>
void forEachSegment(const Rectangle& widget, uint16_t count, Segment&& segment)
{
    const int32_t intervals = count - 1;
    const int32_t step = widget.width / intervals;
    int32_t extra = widget.width - intervals * step;
    const int32_t spread = extra != 0 ? intervals / extra : 0;
    int32_t xa = widget.x;
    int32_t xb = widget.x + step;
    for (int32_t k = 0; k < intervals; ++k) {
        segment(k, xa, xb);
        xa = xb;
        if (extra > 0 && (spread <= 1 || k % spread == 0)) {
            xb += step + 1;
            --extra;
        } else {
            xb += step;
        }
    }
}
} // namespace

PlotCurve::PlotCurve()
    : lineWidth(2), minimum(0), maximum(0), curveCount(0), fillColor(0), fillEnabled(0), pointCounts(), rows()
{
    for (quillon::Color& color : curveColors) {
        color = Palette::entry(10);
    }
    for (uint8_t& flag : valid) {
        flag = 1;
    }
}

void PlotCurve::setNumberOfCurves(uint8_t count)
{
    curveCount = count < MAX_CURVES ? count : MAX_CURVES;
}

void PlotCurve::setCurveColor(uint8_t curve, quillon::Color color)
{
    if (curve < curveCount) {
        curveColors[curve] = color;
    }
}

void PlotCurve::setAreaFill(quillon::Color background)
{
    fillColor = background;
    fillEnabled = 1;
}

void PlotCurve::setRange(int32_t minimum, int32_t maximum)
{
    setRange(static_cast<int64_t>(minimum), static_cast<int64_t>(maximum));
}

void PlotCurve::setRange(int64_t minimum, int64_t maximum)
{
    this->minimum = minimum;
    this->maximum = maximum;
}

uint16_t PlotCurve::rowOf(int64_t value) const
{
    const Rectangle absolute = getAbsoluteRect();
    return static_cast<uint16_t>(valueToPixel(static_cast<float>(value), static_cast<float>(absolute.y),
                                              static_cast<float>(getHeight()), static_cast<float>(minimum),
                                              static_cast<float>(maximum)));
}

void PlotCurve::setPoints(uint8_t curve, const int32_t values[], uint16_t count)
{
    if (curve >= curveCount || count >= MAX_POINTS) {
        return;
    }
    pointCounts[curve] = count;
    for (uint16_t k = 0; k < count; ++k) {
        rows[curve][k] = rowOf(values[k]);
    }
}

void PlotCurve::setPoints(uint8_t curve, const int64_t values[], uint16_t count)
{
    if (curve >= curveCount || count >= MAX_POINTS) {
        return;
    }
    pointCounts[curve] = count;
    for (uint16_t k = 0; k < count; ++k) {
        rows[curve][k] = rowOf(values[k]);
    }
}

void PlotCurve::setPoint(uint8_t curve, uint16_t index, int32_t value)
{
    setPoint(curve, index, static_cast<int64_t>(value));
}

void PlotCurve::setPoint(uint8_t curve, uint16_t index, int64_t value)
{
    if (curve < curveCount && index < MAX_POINTS) {
        rows[curve][index] = rowOf(value);
    }
}

void PlotCurve::setNumberOfPoints(uint8_t curve, uint16_t count)
{
    if (curve < curveCount && count < MAX_POINTS) {
        pointCounts[curve] = count;
    }
}

void PlotCurve::setPointValid(uint16_t index, uint8_t flag)
{
    if (index < MAX_POINTS) {
        valid[index] = flag;
    }
}

void PlotCurve::setPointValidFlags(const uint8_t flags[], uint16_t count)
{
    if (count >= MAX_POINTS) {
        return;
    }
    for (uint16_t k = 0; k < count; ++k) {
        valid[k] = flags[k];
    }
}

void PlotCurve::draw(const Rectangle& area) const
{
    const Rectangle clip = drawnArea(*this, area);
    if (!visible || clip.isEmpty()) {
        return;
    }
    const Rectangle widget = getAbsoluteRect();
    uint16_t* frameBuffer = quillon::HAL::getInstance()->acquireFrameBuffer();
    drawLines(frameBuffer, widget, clip);
    if (fillEnabled != 0) {
        fillBelowCurves(frameBuffer, widget, clip);
    }
    quillon::HAL::getInstance()->releaseFrameBuffer();
}

void PlotCurve::drawLines(uint16_t* frameBuffer, const Rectangle& widget, const Rectangle& clip) const
{
    for (uint16_t c = 0; c < curveCount; ++c) {
        if (pointCounts[c] < 2) {
            continue;
        }
        forEachSegment(widget, pointCounts[c], [&](int32_t k, int32_t xa, int32_t xb) {
            if (valid[k] != 0 && valid[k + 1] != 0) {
                drawThickLine(frameBuffer, static_cast<int16_t>(xa), static_cast<int16_t>(xb),
                              static_cast<int16_t>(rows[c][k]), static_cast<int16_t>(rows[c][k + 1]), curveColors[c],
                              lineWidth, clip);
            }
        });
    }
}

void PlotCurve::seedFill(const Rectangle& widget, const Rectangle& clip, int16_t* seedRows,
                         quillon::Color* seedColors) const
{
    for (int16_t i = 0; i < clip.width; ++i) {
        seedRows[i] = -1; // no curve pixel above: the scan starts unfilled
    }
    if (clip.y <= widget.y) {
        return; // nothing of the chart lies above
    }
    const int32_t half = lineWidth / 2;
    for (uint16_t c = 0; c < curveCount; ++c) {
        if (pointCounts[c] < 2) {
            continue;
        }
        forEachSegment(widget, pointCounts[c], [&](int32_t k, int32_t xa, int32_t xb) {
            if (valid[k] == 0 || valid[k + 1] == 0 || xb + half < clip.x || xa - half >= clip.right()) {
                return;
            }
            traceLine(xa, xb, rows[c][k], rows[c][k + 1], [&](int32_t x, int32_t y) {
                if (y < widget.y || y >= clip.y) {
                    return;
                }
                for (int32_t column = x - half; column < x - half + lineWidth; ++column) {
                    const int32_t i = column - clip.x;
                    // Later pixels overwrite earlier ones, so they win a tie.
                    if (i >= 0 && i < clip.width && y >= seedRows[i]) {
                        seedRows[i] = static_cast<int16_t>(y);
                        seedColors[i] = curveColors[c];
                    }
                }
            });
        });
    }
}

void PlotCurve::fillBelowCurves(uint16_t* frameBuffer, const Rectangle& widget, const Rectangle& clip) const
{
    const Rectangle columns(clip.x, clip.y, clip.width < MAX_COLUMNS ? clip.width : MAX_COLUMNS, clip.height);
    seedFill(widget, columns, seedRowScratch, seedColorScratch);
    // Per column: the fill colour, and all ones once a curve lies above (else nothing is filled).
    for (int16_t i = 0; i < columns.width; ++i) {
        fillStarted[i] = seedRowScratch[i] >= 0 ? 0xFFFF : 0;
        fillCurrent[i] = seedColorScratch[i];
    }
    // Row by row, in the order the frame buffer lies in memory.
    uint16_t* row = frameBuffer + columns.y * quillon::HAL::FB_WIDTH + columns.x;
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    if (hasAVX2()) {
        fillRowsAVX2(row, quillon::HAL::FB_WIDTH, columns.height, columns.width, fillColor, fillCurrent, fillStarted);
        return;
    }
#endif
    fillRows(row, quillon::HAL::FB_WIDTH, columns.height, columns.width, fillColor, fillCurrent, fillStarted);
}
} // namespace guicontrols
