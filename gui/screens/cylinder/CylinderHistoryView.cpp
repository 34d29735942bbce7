#include "gui/screens/cylinder/CylinderHistoryView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/screens/cylinder/ChartInterval.hpp"
#include "guicontrols/Palette.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId TEXT_TITLE = 1112; // "Cylinder history of the last"
const quillon::TextId TEXT_HELP = 792;
const quillon::TextId TEXT_UNIT = 514;   // "°C"
const quillon::TextId TEXT_SENSOR = 1243; // "Tc"
const quillon::FontId LEGEND_FONT = 2;
const uint8_t FIRST_SENSOR_COLOUR = 28;
const int32_t TENTHS_TOP = 1000;
const uint16_t HOURS = 24;

quillon::Color sensorColour(uint32_t sensor)
{
    return guicontrols::Palette::entry(static_cast<uint8_t>(FIRST_SENSOR_COLOUR + sensor));
}
} // namespace

CylinderHistoryView::CylinderHistoryView()
    : BaseView<CylinderHistoryPresenter>(&Functors::getInstance().plain), legendTexts()
{
}

void CylinderHistoryView::setupTopBar(guicontrols::TopBar& bar)
{
    chartinterval::setTitle(bar, TEXT_TITLE, presenter->getMode());
}

const quillon::WideChar* CylinderHistoryView::getHelpText()
{
    return quillon::TypedText(TEXT_HELP).getText();
}

void CylinderHistoryView::setupContent(guicontrols::Content& area)
{
    background.setPosition(0, 0, 800, 400);
    background.setNumericYLabels(0, 25, 5);
    curve.setNumberOfCurves(SENSORS);
    curve.setRange(int32_t{0}, TENTHS_TOP);
    curve.setLineWidth(3);
    const quillon::Font* font = ApplicationFontProvider().getFont(LEGEND_FONT);
    for (uint32_t row = 0; row < SENSORS; ++row) {
        const uint32_t sensor = SENSORS - 1 - row; // sensor 5 at the top
        curve.setCurveColor(static_cast<uint8_t>(row), sensorColour(row));
        const int16_t y = static_cast<int16_t>(50 * (row + 1));
        legendBoxes[row].setPosition(650, y, 25, 25);
        legendBoxes[row].setColor(sensorColour(sensor));
        helpers::formatWide(legendTexts[row], LEGEND_UNITS, "%ls %i", quillon::TypedText(TEXT_SENSOR).getText(),
                            static_cast<int>(sensor + 1));
        legendLabels[row].setPosition(690, y, 150, 50);
        legendLabels[row].setText(legendTexts[row], font);
        area.add(legendBoxes[row]);
        area.add(legendLabels[row]);
    }
    unitLabel.setPosition(60, 10, 150, 50);
    unitLabel.setText(quillon::TypedText(TEXT_UNIT).getText(), font);
    area.add(background);
    area.add(curve);
    area.add(unitLabel);
    updateChart();
    area.invalidate();
}

void CylinderHistoryView::update()
{
    updateChart();
}

void CylinderHistoryView::updateChart()
{
    const helpers::DateTime now = presenter->getCurrentDateTime();
    const uint32_t sensors = presenter->getSensorCount();
    legendBoxes[0].setVisible(sensors == SENSORS);
    legendLabels[0].setVisible(sensors == SENSORS);
    legendBoxes[0].invalidate();
    legendLabels[0].invalidate();
    model::CylinderGroup& c = presenter->getModel()->getGroups().cylinder;
    model::CylinderGroup::History12* const weekSeries[SENSORS] = {&c.history12_1, &c.history12_2, &c.history12_3,
                                                                  &c.history12_4, &c.history12_5};
    model::CylinderGroup::History6* const monthSeries[SENSORS] = {&c.history6_1, &c.history6_2, &c.history6_3,
                                                                  &c.history6_4, &c.history6_5};
    uint16_t points = 0;
    switch (presenter->getMode()) {
    case INTERVAL_30_DAYS:
        background.setColumnGeometry(96, 3);
        background.setDateLabels(now, -6, 6, true, 0);
        curve.setPosition(background.getPlotAreaX(), background.getPlotAreaY(), background.getPlotAreaWidth(),
                          background.getPlotAreaHeight());
        points = fillRecords(monthSeries, sensors);
        break;
    case INTERVAL_7_DAYS:
        background.setColumnGeometry(67, 3);
        background.setDateLabels(now, -1, 8, true, 2);
        curve.setPosition(background.getPlotAreaX(), background.getPlotAreaY(), background.getPlotAreaWidth(),
                          background.getPlotAreaHeight());
        points = fillRecords(weekSeries, sensors);
        break;
    default:
        background.setColumnGeometry(80, 3);
        background.setTimeLabels(now, -14400, 7, true);
        curve.setPosition(background.getPlotAreaX(), background.getPlotAreaY(), background.getPlotAreaWidth(),
                          background.getPlotAreaHeight());
        points = fill24Hours(sensors);
        break;
    }
    for (uint32_t c = 0; c < SENSORS; ++c) {
        curve.setNumberOfPoints(static_cast<uint8_t>(c), c < sensors ? points : 0);
    }
    curve.invalidate();
}

void CylinderHistoryView::setChartPoint(uint16_t p, uint32_t sensors, const int32_t values[SENSORS])
{
    bool anyReading = false;
    for (uint32_t c = 0; c < sensors; ++c) {
        anyReading = anyReading || values[c] != 0;
    }
    curve.setPointValid(p, anyReading ? 1 : 0);
    if (!anyReading) {
        return;
    }
    for (uint32_t c = 0; c < sensors; ++c) {
        curve.setPoint(static_cast<uint8_t>(c), p, values[c]);
    }
}

uint16_t CylinderHistoryView::fill24Hours(uint32_t sensors)
{
    model::CylinderGroup& c = presenter->getModel()->getGroups().cylinder;
    const temperature_24 series[SENSORS] = {c.history24_1.getValue(), c.history24_2.getValue(),
                                            c.history24_3.getValue(), c.history24_4.getValue(),
                                            c.history24_5.getValue()};
    uint16_t p = 0;
    for (int32_t k = HOURS - 1; k >= 0; --k, ++p) {
        int32_t values[SENSORS];
        for (uint32_t s = 0; s < SENSORS; ++s) {
            values[s] = static_cast<uint16_t>(series[s].value(static_cast<uint32_t>(k)));
        }
        setChartPoint(p, sensors, values);
    }
    return p;
}

template <typename Record, dp_type D, uint32_t N>
uint16_t CylinderHistoryView::fillRecords(model::RangeDataPoint<Record, D, N>* const series[SENSORS], uint32_t sensors)
{
    uint16_t p = 0;
    for (int32_t r = static_cast<int32_t>(N) - 1; r >= 0; --r) {
        Record values[SENSORS];
        for (uint32_t s = 0; s < SENSORS; ++s) {
            values[s] = series[s]->at(static_cast<uint32_t>(r)).getValue();
        }
        for (int32_t k = Record::VALUES - 1; k >= 0; --k, ++p) {
            int32_t point[SENSORS];
            for (uint32_t s = 0; s < SENSORS; ++s) {
                point[s] = static_cast<uint16_t>(values[s].value(static_cast<uint32_t>(k)));
            }
            setChartPoint(p, sensors, point);
        }
    }
    return p;
}
