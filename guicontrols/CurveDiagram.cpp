#include "guicontrols/CurveDiagram.hpp"

#include "guicontrols/HeatingCurve.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/PlotDrawing.hpp"

#include <quillon/hal/HAL.hpp>

#include <initializer_list>
#include <math.h>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const float FULL_DISTANCE = 1.8f;       // closer than this the pixel is fully covered
const float EDGE_DISTANCE = 4.3999996f; // the float just below 4.4: from here nothing
const float COVERAGE_SLOPE = 98.07693f; // 255 / 2.6
const uint8_t RUN_LIMIT = CurveDiagram::COVERAGE_SIZE;

int32_t magnitude(int32_t value)
{
    return value < 0 ? -value : value;
}

// One coverage byte at distance delta, or -1 where the run ends.
int32_t coverageAt(float delta)
{
    if (delta < FULL_DISTANCE) {
        return 255;
    }
    if (delta < EDGE_DISTANCE) {
        return static_cast<uint8_t>(static_cast<int32_t>(255.0 - (delta - 1.8) * COVERAGE_SLOPE));
    }
    return -1;
}
} // namespace

CurveDiagram::CurveDiagram() : columns(), computedColumns(0), columnRows()
{
    rect = Rectangle(0, 0, WIDTH, HEIGHT);
}

void CurveDiagram::setPosition(int16_t x, int16_t y, int16_t, int16_t)
{
    rect = Rectangle(x, y, WIDTH, HEIGHT);
}

void CurveDiagram::setWidth(int16_t)
{
    rect.width = WIDTH;
}

void CurveDiagram::setHeight(int16_t)
{
    rect.height = HEIGHT;
}

uint16_t CurveDiagram::alphaBlend(uint16_t foreground, uint16_t background, uint8_t alpha)
{
    const uint32_t inverse = (256u - alpha) & 0xFFu;
    uint32_t result = 0;
    for (uint32_t mask : {0x001Fu, 0x07E0u, 0xF800u}) {
        result |= (((foreground & mask) * alpha + (background & mask) * inverse) >> 8) & mask;
    }
    return static_cast<uint16_t>(result);
}

void CurveDiagram::plotColumn(int32_t x, int32_t y)
{
    if (x >= 0 && x < WIDTH) {
        columnRows[x] = static_cast<int16_t>(y);
    }
}

void CurveDiagram::rasterizeLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    const int32_t dx = x1 - x0;
    const int32_t dy = y1 - y0;
    const int32_t adx = magnitude(dx);
    const int32_t ady = magnitude(dy);
    const int32_t minorStep = (dx < 0) == (dy < 0) ? 1 : -1;
    if (adx >= ady) {
        int32_t error = 2 * ady - adx;
        int32_t x = dx >= 0 ? x0 : x1;
        int32_t y = dx >= 0 ? y0 : y1;
        const int32_t end = dx >= 0 ? x1 : x0;
        plotColumn(x, y);
        while (x < end) {
            ++x;
            if (error < 0) {
                error += 2 * ady;
            } else {
                y += minorStep;
                error += 2 * (ady - adx);
            }
            plotColumn(x, y);
        }
    } else {
        int32_t error = 2 * adx - ady;
        int32_t x = dy >= 0 ? x0 : x1;
        int32_t y = dy >= 0 ? y0 : y1;
        const int32_t end = dy >= 0 ? y1 : y0;
        plotColumn(x, y);
        while (y < end) {
            ++y;
            if (error <= 0) {
                error += 2 * adx;
            } else {
                x += minorStep;
                error += 2 * (adx - ady);
            }
            plotColumn(x, y);
        }
    }
}

void CurveDiagram::setCurve(const HeatingCurve& diagram)
{
    const int32_t originX = HeatingCurve::ORIGIN_X;
    const int32_t originY = HeatingCurve::ORIGIN_Y;
    for (uint8_t i = 0; i + 1 < HeatingCurve::POINTS; ++i) {
        const HeatingCurve::CurvePoint& from = diagram.getPoint(i);
        const HeatingCurve::CurvePoint& to = diagram.getPoint(static_cast<uint8_t>(i + 1));
        int32_t lastX = originX + from.x;
        int32_t lastY = originY - from.y;
        // Where the clamped points hide where the curve meets an edge, trace the true curve
        // so the kink lands there.
        if (from.y == 0 || (to.y == HeatingCurve::PLOT_HEIGHT && from.y != HeatingCurve::PLOT_HEIGHT)) {
            const int32_t step = static_cast<int32_t>((to.x - from.x) / 8.0);
            for (int32_t k = 1; k <= 10 && step > 0 && from.x + k * step < to.x; ++k) {
                const int32_t x = from.x + k * step;
                int32_t offset = HeatingCurve::flowToPixel(
                    diagram.calculateFlowTemperature(HeatingCurve::pixelToOutside(x)));
                offset = offset < 0 ? 0 : offset;
                rasterizeLine(lastX, lastY, originX + x, originY - offset);
                lastX = originX + x;
                lastY = originY - offset;
            }
        }
        rasterizeLine(lastX, lastY, originX + to.x, originY - to.y);
        const int32_t next = originX + to.x;
        if (next >= 1 && next < WIDTH) {
            for (int32_t column = next; column < WIDTH; ++column) {
                columnRows[column] = columnRows[next - 1];
            }
        }
    }
    computeCoverage();
}

float CurveDiagram::getColumnRow(int32_t column) const
{
    return static_cast<float>(column >= 0 && column < WIDTH ? columnRows[column] : columnRows[WIDTH - 1]);
}

void CurveDiagram::computeCoverage()
{
    computedColumns = 0;
    for (uint16_t n = 0; n < WIDTH; ++n) {
        computeColumn(n);
        ++computedColumns;
    }
}

void CurveDiagram::computeColumn(uint16_t n)
{
    float previous = getColumnRow(n - 1);
    const float current = getColumnRow(n);
    const float next = getColumnRow(n + 1);
    if (previous == 0.0f) {
        previous = current;
    }
    // The tangent through this column as alpha x + beta y + gamma = 0.
    const float m = (next - previous) / 2.0f;
    const float b = current - static_cast<float>(n) * m;
    const float alpha = -m;
    const float beta = 1.0f;
    const float gamma = -b;
    const double norm = sqrt(static_cast<double>(alpha) * alpha + static_cast<double>(beta) * beta);
    auto distance = [&](int32_t y) {
        return static_cast<float>(fabs(static_cast<double>(alpha) * n + static_cast<double>(beta) * y + gamma) / norm);
    };
    const int16_t y0 = static_cast<int16_t>(floorf(current));
    uint8_t up[RUN_LIMIT];
    uint8_t upCount = 0;
    for (int32_t y = y0; upCount < RUN_LIMIT; --y) {
        const int32_t value = coverageAt(distance(y));
        if (value < 0) {
            break;
        }
        if (value != 0) {
            up[upCount++] = static_cast<uint8_t>(value);
        }
    }
    uint8_t down[RUN_LIMIT];
    uint8_t downCount = 0;
    for (int32_t y = y0 + 1; downCount < RUN_LIMIT; ++y) {
        const int32_t value = coverageAt(distance(y));
        if (value < 0) {
            break;
        }
        if (value != 0) {
            down[downCount++] = static_cast<uint8_t>(value);
        }
    }
    CurveColumn& column = columns[n];
    uint8_t length = 0;
    for (int32_t i = upCount - 1; i >= 0; --i) {
        column.coverage[length++] = up[i];
    }
    for (uint8_t i = 0; i < downCount && length < COVERAGE_SIZE; ++i) {
        column.coverage[length++] = down[i];
    }
    column.coverage[length < COVERAGE_SIZE ? length : COVERAGE_SIZE - 1] = 0;
    column.top = static_cast<int16_t>(y0 - upCount + 1);
}

void CurveDiagram::draw(const Rectangle& area) const
{
    const Rectangle clip = drawnArea(*this, area);
    if (!visible || clip.isEmpty()) {
        return;
    }
    const Rectangle widget = getAbsoluteRect();
    const quillon::Color color = Palette::entry(10);
    const int32_t stride = quillon::HAL::FB_WIDTH;
    uint16_t* frameBuffer = quillon::HAL::getInstance()->acquireFrameBuffer();
    for (int32_t x = clip.x - widget.x; x < clip.right() - widget.x && x < computedColumns; ++x) {
        const CurveColumn& column = columns[x % WIDTH];
        // A run reaching the top row belongs to a column never traced (left of the y axis).
        if (column.top <= 0) {
            continue;
        }
        int32_t row = widget.y + column.top;
        for (const uint8_t* coverage = column.coverage; *coverage != 0; ++coverage, ++row) {
            if (row < clip.y || row >= clip.bottom()) {
                continue;
            }
            uint16_t* pixel = frameBuffer + row * stride + widget.x + x;
            *pixel = *coverage == 255 ? color : alphaBlend(color, 0, *coverage);
        }
    }
    quillon::HAL::getInstance()->releaseFrameBuffer();
}
} // namespace guicontrols
