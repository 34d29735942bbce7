#include "guicontrols/HeatingCurve.hpp"

#include "guicontrols/Palette.hpp"
#include "helpers/Text.hpp"

#include <quillon/TypedText.hpp>

namespace guicontrols
{
using quillon::TextAreaWithOneWildcard;

namespace
{
const uint16_t POINT_TEXT = 21; // "%s°C"
const uint16_t X_TEXT = 22;     // "%s", centred
const uint16_t Y_TEXT = 23;     // "%s", right-aligned
const float MAXIMUM_FLOW = 100.0f;
const float POINT_SPACING = static_cast<float>(HeatingCurve::PLOT_WIDTH / 5);
const float Y_SCALE = 185.0f / 100.0f;
const int16_t LABEL_BOX_WIDTH = 70;
const int16_t LABEL_BOX_HEIGHT = 26;
const int16_t AXIS_LABEL_WIDTH = 60;
const int16_t MARGIN = 7;

void setupLabel(TextAreaWithOneWildcard& label, quillon::WideChar* text, uint16_t id, quillon::Color color)
{
    text[0] = '0';
    text[1] = 0;
    label.setWildcard(text);
    label.setTextId(quillon::TypedText(id));
    label.setColor(color);
}

void writeNumber(quillon::WideChar* text, int32_t value)
{
    helpers::formatNumber(text, HeatingCurve::LABEL_SIZE, value, 0, 10);
}
} // namespace

HeatingCurve::HeatingCurve() : roomSetpoint(10), slope(0.0f), level(0), points(), flowAxisValues()
{
    setWidth(560);
    setHeight(260);
    axes.setPosition(0, 0, 520, 220);
    markers.setPosition(0, 0, 520, 220);
    axes.setHeatingCurve(this);
    markers.setHeatingCurve(this);
    add(axes);
    add(curve);
    add(markers);
    for (uint8_t i = 0; i < POINTS; ++i) {
        setupLabel(xLabels[i], xTexts[i], X_TEXT, Palette::entry(0));
        add(xLabels[i]);
    }
    for (uint8_t i = 0; i < FLOW_LABELS; ++i) {
        setupLabel(yLabels[i], yTexts[i], Y_TEXT, Palette::entry(0));
        add(yLabels[i]);
    }
    for (uint8_t i = 0; i < POINTS; ++i) {
        setupLabel(pointLabels[i], pointTexts[i], POINT_TEXT, Palette::entry(10));
        add(pointLabels[i]);
    }
}

void HeatingCurve::setSlope(float value, int redraw)
{
    slope = value;
    if (redraw == 1) {
        updateDiagram();
    }
}

void HeatingCurve::setLevel(int32_t value, int redraw)
{
    level = value;
    if (redraw == 1) {
        updateDiagram();
    }
}

void HeatingCurve::setRoomSetpoint(int32_t degrees, int redraw)
{
    roomSetpoint = degrees;
    if (redraw == 1) {
        updateDiagram();
    }
}

void HeatingCurve::setFlowAxisLabels(int redraw)
{
    for (int32_t i = 0; i < FLOW_LABELS; ++i) {
        flowAxisValues[i] = static_cast<int32_t>((100 * i) / (FLOW_LABELS - 1) + 0.0);
    }
    if (redraw == 1) {
        updateDiagram();
    }
}

float HeatingCurve::distanceFromLeftEnd(float outsideTemperature)
{
    return 20.0f - outsideTemperature;
}

float HeatingCurve::calculateFlowTemperature(float outsideTemperature) const
{
    const float d = (20.0f - distanceFromLeftEnd(outsideTemperature)) - static_cast<float>(roomSetpoint);
    const long double x = d;
    const long double flow = static_cast<long double>(roomSetpoint + level) -
                             static_cast<long double>(slope) * x * (1.4347 + 0.021 * x + 0.0002479 * x * x);
    return static_cast<float>(flow);
}

int32_t HeatingCurve::flowToPixel(float flow)
{
    const int32_t row = static_cast<int32_t>(Y_SCALE * (flow - 0.0f));
    return row > PLOT_HEIGHT ? PLOT_HEIGHT : row;
}

float HeatingCurve::pixelToOutside(int32_t x)
{
    return 20.0f - static_cast<float>(x) / (430.0f / 50.0f);
}

void HeatingCurve::computePoints()
{
    for (uint8_t i = 0; i < POINTS; ++i) {
        CurvePoint& point = points[i];
        point.outsideTemperature = static_cast<float>(20 - 10 * i);
        float flow = calculateFlowTemperature(point.outsideTemperature);
        if (flow < 0.0f) {
            flow = 0.0f;
        } else if (flow > MAXIMUM_FLOW) {
            flow = MAXIMUM_FLOW;
        }
        point.flowTemperature = flow;
        point.x = static_cast<int32_t>(POINT_SPACING * i);
        point.y = flowToPixel(flow);
    }
}

void HeatingCurve::moveLabel(TextAreaWithOneWildcard& label, int16_t x, int16_t y, int16_t width, int16_t height)
{
    // The old place is invalidated after the move, so that it is redrawn without the label
    // also where nothing else of the diagram changes.
    quillon::Rectangle old = label.getRect();
    label.setPosition(x, y, width, height);
    invalidatePart(old);
    label.invalidate();
}

void HeatingCurve::placeLabels()
{
    for (uint8_t i = 0; i < POINTS; ++i) {
        writeNumber(xTexts[i], static_cast<int32_t>(points[i].outsideTemperature));
        moveLabel(xLabels[i], static_cast<int16_t>(static_cast<int32_t>(ORIGIN_X + POINT_SPACING * i) - 30),
                  ORIGIN_Y + 11, AXIS_LABEL_WIDTH, LABEL_BOX_HEIGHT);
    }
    for (uint8_t i = 0; i < FLOW_LABELS; ++i) {
        writeNumber(yTexts[i], flowAxisValues[i]);
        // Centred on its tick, the top label would start above the diagram and lose its top.
        const int32_t y = static_cast<int32_t>(ORIGIN_Y - (PLOT_HEIGHT * i) / 4.0) - 13;
        moveLabel(yLabels[i], ORIGIN_X - 67, static_cast<int16_t>(y < 0 ? 0 : y), AXIS_LABEL_WIDTH,
                  LABEL_BOX_HEIGHT);
    }
    for (uint8_t i = 0; i < POINTS; ++i) {
        const CurvePoint& point = points[i];
        writeNumber(pointTexts[i], static_cast<int32_t>(point.flowTemperature));
        const int32_t px = ORIGIN_X + point.x;
        const int32_t py = ORIGIN_Y - point.y;
        // Near the x axis the label goes above the point, where there is room.
        const int32_t top = point.y < LABEL_BOX_HEIGHT + MARGIN ? py - 21 - LABEL_BOX_HEIGHT : py + MARGIN;
        moveLabel(pointLabels[i], static_cast<int16_t>(px + MARGIN), static_cast<int16_t>(top), LABEL_BOX_WIDTH,
                  LABEL_BOX_HEIGHT);
    }
}

void HeatingCurve::updateDiagram()
{
    computePoints();
    placeLabels();
    curve.setCurve(*this);
    curve.invalidate();
    // The guides and discs follow the points.
    markers.invalidate();
}
} // namespace guicontrols
