#include "gui/screens/energy/SolarPumpStatusView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/ProviderTexts.hpp"
#include "helpers/WideFormat.hpp"
#include "model/DataModelManager.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/TypedText.hpp>

namespace
{
const quillon::BitmapId ACCEPT_ICON = 210;
const uint8_t WHITE = 11;
const uint8_t GREEN = 8;
// Font 2 runs the longer labels past the display's edge ("Heures de fonctionnement").
const quillon::FontId LABEL_FONT = 1;
const quillon::FontId VALUE_FONT = 3;
const int16_t LABEL_X = 520;
const int16_t LABEL_WIDTH = 300;
const int16_t VALUE_X = 600;
const int16_t VALUE_WIDTH = 175;
// Label rows in the order of the screen, top to bottom, each value 30 pixels below its label.
const int16_t ROW_Y[SolarPumpStatusView::ROWS] = {30, 100, 170, 240};
const int16_t VALUE_BELOW_LABEL = 30;
const quillon::TextId ROW_TEXTS[SolarPumpStatusView::ROWS] = {841, 1364, 901, 900};
const uint8_t PLAIN = 0;
const uint32_t HOURS_FIELD = 8;
const uint32_t STARTS_FIELD = 7;
const uint32_t SPEED_FIELD = 0;

void placeField(guicontrols::TextField& field, int16_t x, int16_t y, int16_t width, const quillon::Font* font)
{
    field.setPosition(x, y, width, static_cast<int16_t>(font->getFullHeight()));
    field.setVerticalAlignment(1);
}
} // namespace

SolarPumpStatusView::SolarPumpStatusView()
    : BaseView<SolarPumpStatusPresenter>(&Functors::getInstance().plain), SolarPumpBase(GREEN), flowText()
{
    flow.setTexts(quillon::TypedText(ROW_TEXTS[FLOW_ROW]).getText(), guicontrols::providertexts::empty(), PLAIN);
    updateMaxFlow(maxFlow, 0); // labels from the first full scale
    ApplicationFontProvider fonts;
    const quillon::Font* labelFont = fonts.getFont(LABEL_FONT);
    const quillon::Font* valueFont = fonts.getFont(VALUE_FONT);
    for (uint8_t row = 0; row < ROWS; ++row) {
        placeField(rowLabels[row], LABEL_X, ROW_Y[row], LABEL_WIDTH, labelFont);
        rowLabels[row].setAlignment(0);
        rowLabels[row].setColor(guicontrols::Palette::entry(WHITE));
        placeField(rowValues[row], VALUE_X, static_cast<int16_t>(ROW_Y[row] + VALUE_BELOW_LABEL), VALUE_WIDTH,
                   valueFont);
        rowValues[row].setAlignment(2);
        rowValues[row].setColor(guicontrols::Palette::entry(row == FLOW_ROW || row == SPEED_ROW ? GREEN : WHITE));
    }
    rowLabels[FLOW_ROW].setText(flow.getText(0), labelFont);
    rowValues[FLOW_ROW].setText(flowText, valueFont);
}

void SolarPumpStatusView::setupContent(guicontrols::Content& area)
{
    model::DataPoint<solar_info, DP_SOLAR_INFO>* record = &presenter->solar().solarInfo;
    hours.set(record, quillon::TypedText(ROW_TEXTS[HOURS_ROW]).getText(), HOURS_FIELD, PLAIN);
    starts.set(record, quillon::TypedText(ROW_TEXTS[STARTS_ROW]).getText(), STARTS_FIELD, PLAIN);
    speed.set(record, quillon::TypedText(ROW_TEXTS[SPEED_ROW]).getText(), SPEED_FIELD, PLAIN);
    const quillon::Font* labelFont = ApplicationFontProvider().getFont(LABEL_FONT);
    rowLabels[HOURS_ROW].setText(hours.getText(0), labelFont);
    rowLabels[STARTS_ROW].setText(starts.getText(0), labelFont);
    rowLabels[SPEED_ROW].setText(speed.getText(0), labelFont);

    area.add(chart);
    area.add(rowLabels[HOURS_ROW]);
    area.add(rowLabels[STARTS_ROW]);
    area.add(rowLabels[SPEED_ROW]);
    area.add(rowLabels[FLOW_ROW]);
    area.add(rowValues[HOURS_ROW]);
    area.add(rowValues[STARTS_ROW]);
    area.add(rowValues[SPEED_ROW]);
    area.add(rowValues[FLOW_ROW]);
    area.add(unitLabel);
    area.add(line);
    area.add(horizontalLine);
    area.add(verticalLine);
    area.add(lowerEnd);
    area.add(upperEnd);
    area.add(pointMarker);
    updateScale(); // the scale the first flow estimate is read on
    updateValues();
}

void SolarPumpStatusView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(OK_BUTTON, ACCEPT_ICON);
}

void SolarPumpStatusView::onBottomBarButton(int index)
{
    if (index != OK_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    if (pageManager != nullptr) {
        pageManager->back();
    }
}

void SolarPumpStatusView::update()
{
    updateValues();
}

void SolarPumpStatusView::updateValues()
{
    const quillon::Font* valueFont = ApplicationFontProvider().getFont(VALUE_FONT);
    rowValues[HOURS_ROW].setText(hours.getSecondText(0), valueFont);
    rowValues[STARTS_ROW].setText(starts.getSecondText(0), valueFont);
    rowValues[SPEED_ROW].setText(speed.getSecondText(0), valueFont);
    // The full scale of the last computation: the calibration is read only after this.
    formatFlow();
    updateScale();
    placeOperatingPoint(presenter->getPumpSpeed());
    showFlowLabels();
    content.invalidate();
}

void SolarPumpStatusView::formatFlow()
{
    const float estimate = maxFlow * (presenter->getPumpSpeed() / 100.0f);
    helpers::formatWide(flowText, FLOW_UNITS, "%0.1f l/min", static_cast<double>(estimate));
}

void SolarPumpStatusView::updateScale()
{
    updateMaxFlow(presenter->getCalibrationFlow(), presenter->getCalibrationSpeed());
}
