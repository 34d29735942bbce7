#include "gui/screens/cylinder/CylinderStratificationView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/screens/cylinder/ChartInterval.hpp"
#include "guicontrols/Palette.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId TEXT_TITLE = 1110; // "Cylinder temperature stratification of the last"
const quillon::TextId TEXT_HELP = 790;
const quillon::TextId TEXT_TOP = 1051;
const quillon::TextId TEXT_BOTTOM = 1146;
const quillon::TextId TEXT_UNIT = 514;    // "°C"
const quillon::TextId TEXT_AT_LEAST = 1256; // "≥"
const quillon::FontId LEGEND_FONT = 2;
// Curve 0 red (entry 36) down to curve 3 blue (entry 33); legend row n shows curve 3 - n.
const uint8_t CURVE_COLOURS[CylinderStratificationView::CURVES] = {36, 35, 34, 33};
const uint8_t BAND_COLOUR = 4;
const uint8_t LEGEND_TEXT_COLOUR = 11;
const int32_t FULL = 100;
const int32_t LAST_SLOT = CylinderStratificationView::SLOTS - 1;

const quillon::WideChar* text(quillon::TextId id)
{
    return quillon::TypedText(id).getText();
}
} // namespace

CylinderStratificationView::CylinderStratificationView()
    : BaseView<CylinderStratificationPresenter>(&Functors::getInstance().plain),
      font(ApplicationFontProvider().getFont(LEGEND_FONT)),
      yLabels(),
      legendTexts()
{
    helpers::formatWide(yLabels[0], TEXT_UNITS, "%ls", text(TEXT_TOP));
    helpers::formatWide(yLabels[4], TEXT_UNITS, "%ls", text(TEXT_BOTTOM));
    background.setYLabels(yLabels, 5);
    layoutLegend();
}

void CylinderStratificationView::layoutLegend()
{
    const int16_t labelWidth = static_cast<int16_t>(8 * font->getCharWidth('u'));
    const int16_t labelHeight = static_cast<int16_t>(font->getFullHeight());
    // Eight "u" run past the display's edge from x 705 in the legend font: "≥ 45°C" lost its
    // "C". The legend moves left as far as it needs to end on the display.
    const int16_t labelX = static_cast<int16_t>(labelWidth <= 800 - 705 ? 705 : 800 - labelWidth);
    const int16_t boxX = static_cast<int16_t>(labelX - 55);
    int16_t boxY = 55;
    int16_t labelY = 55;
    for (int32_t row = CURVES - 1; row >= 0; --row) {
        legendBoxes[row].setPosition(boxX, boxY, 30, 30);
        legendBoxes[row].setColor(guicontrols::Palette::entry(CURVE_COLOURS[CURVES - 1 - row]));
        legendLabels[row].setPosition(labelX, labelY, labelWidth, labelHeight);
        legendLabels[row].setAlignment(0);
        legendLabels[row].setVerticalAlignment(1);
        legendLabels[row].setColor(guicontrols::Palette::entry(LEGEND_TEXT_COLOUR));
        boxY = static_cast<int16_t>(boxY + 30 + 35);
        labelY = static_cast<int16_t>(labelY + labelHeight + 33);
    }
}

void CylinderStratificationView::setupTopBar(guicontrols::TopBar& bar)
{
    chartinterval::setTitle(bar, TEXT_TITLE, presenter->getMode());
}

const quillon::WideChar* CylinderStratificationView::getHelpText()
{
    return text(TEXT_HELP);
}

void CylinderStratificationView::setupContent(guicontrols::Content& area)
{
    background.setPosition(0, 0, 800, 400);
    curve.setNumberOfCurves(CURVES);
    curve.setAreaFill(guicontrols::Palette::entry(BAND_COLOUR));
    for (uint32_t c = 0; c < CURVES; ++c) {
        curve.setCurveColor(static_cast<uint8_t>(c), guicontrols::Palette::entry(CURVE_COLOURS[c]));
    }
    area.add(background);
    area.add(curve);
    for (uint32_t row = 0; row < CURVES; ++row) {
        area.add(legendBoxes[row]);
    }
    for (uint32_t row = 0; row < CURVES; ++row) {
        area.add(legendLabels[row]);
    }
    updateChart();
}

void CylinderStratificationView::update()
{
    updateChart();
}

uint8_t CylinderStratificationView::currentSlot(const helpers::DateTime& now)
{
    const helpers::Time time = now.getTime();
    const int32_t halfHours = 2 * time.getHour() + (time.getMinute() >= 30 ? 1 : 0);
    return static_cast<uint8_t>(LAST_SLOT - halfHours);
}

void CylinderStratificationView::updateChart()
{
    const helpers::DateTime now = presenter->getCurrentDateTime();
    const int32_t k = currentSlot(now);
    uint32_t days = 1;
    int32_t step = 1;
    switch (presenter->getMode()) {
    case INTERVAL_7_DAYS:
        background.setColumnGeometry(67, 3);
        background.setDateLabels(now, -1, 8, true, 2);
        days = 7;
        step = 4; // every 2 hours
        break;
    case INTERVAL_30_DAYS:
        background.setColumnGeometry(96, 3);
        background.setDateLabels(now, -6, 6, true, 0);
        days = 30;
        step = 12; // every 6 hours
        break;
    default:
        background.setColumnGeometry(80, 3);
        background.setTimeLabels(now, -14400, 7, true);
        break;
    }
    curve.setRange(int32_t{0}, FULL);
    curve.setPosition(background.getPlotAreaX(), background.getPlotAreaY(), background.getPlotAreaWidth(),
                      background.getPlotAreaHeight());
    uint16_t p = addDay(0, days, k, 0, step);
    for (uint32_t day = days - 1; day >= 1; --day) {
        p = addDay(p, day, LAST_SLOT, 0, step);
    }
    p = addDay(p, 0, LAST_SLOT, k, step);
    for (uint32_t c = 0; c < CURVES; ++c) {
        curve.setNumberOfPoints(static_cast<uint8_t>(c), p);
    }
    const quillon::WideChar* unit = text(TEXT_UNIT);
    helpers::formatWide(legendTexts[0], TEXT_UNITS, "< %d%ls", static_cast<int>(presenter->getThreshold3()), unit);
    helpers::formatWide(legendTexts[1], TEXT_UNITS, "< %d%ls", static_cast<int>(presenter->getThreshold2()), unit);
    helpers::formatWide(legendTexts[2], TEXT_UNITS, "< %d%ls", static_cast<int>(presenter->getThreshold1()), unit);
    helpers::formatWide(legendTexts[3], TEXT_UNITS, "%ls %d%ls", text(TEXT_AT_LEAST),
                        static_cast<int>(presenter->getThreshold1()), unit);
    for (uint32_t row = 0; row < CURVES; ++row) {
        legendLabels[row].setText(legendTexts[row], font);
        legendLabels[row].invalidate();
    }
    curve.invalidate();
}

uint16_t CylinderStratificationView::addDay(uint16_t p, uint32_t day, int32_t first, int32_t last, int32_t step)
{
    for (int32_t slot = first; slot >= last; slot -= step) {
        setChartPoint(p++, day, static_cast<uint32_t>(slot));
    }
    return p;
}

void CylinderStratificationView::setChartPoint(uint16_t p, uint32_t day, uint32_t slot)
{
    model::CylinderGroup& c = presenter->getModel()->getGroups().cylinder;
    const int32_t a = c.stratification3.at(day).getValue().value(slot); // series 1
    const int32_t b = c.stratification2.at(day).getValue().value(slot); // series 2
    const int32_t d = c.stratification1.at(day).getValue().value(slot); // series 3
    if (a == 0 && b == 0 && d == 0) {
        curve.setPointValid(p, 0);
        return;
    }
    curve.setPoint(3, p, FULL - a);
    curve.setPoint(2, p, FULL - b);
    curve.setPoint(1, p, FULL - d);
    curve.setPoint(0, p, FULL);
    curve.setPointValid(p, 1);
}
