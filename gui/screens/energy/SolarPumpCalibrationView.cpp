#include "gui/screens/energy/SolarPumpCalibrationView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ShellPages.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/Font.hpp>
#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId HELP_TEXT = 737;
const quillon::TextId QUESTION = 1038;
const quillon::TextId SURFACE_MISSING_TEXT = 848;
const quillon::TextId UNIT_TEXT = 1258; // "l/min"
const quillon::BitmapId ACCEPT_ICON = 210;
const uint8_t POINT_COLOUR = 34;
const uint8_t WHITE = 11;
const int32_t ENTRY_STYLE = 2;
const uint32_t CALIBRATION_DONE = 0x0400;
const int16_t UNIT_X = 700;
const int16_t UNIT_GAP = 8;

const quillon::WideChar* text(quillon::TextId id)
{
    return quillon::TypedText(id).getText();
}
} // namespace

SolarPumpCalibrationView::SolarPumpCalibrationView()
    : BaseView<SolarPumpCalibrationPresenter>(&Functors::getInstance().plain), SolarPumpBase(POINT_COLOUR),
      calibrationState(START), flowCallback(this, &SolarPumpCalibrationView::onFlowChanged)
{
    flowEntry.setStyle(ENTRY_STYLE);
    flowEntry.setArrowStyle(ENTRY_STYLE);
    flowEntry.setValueType(guicontrols::SpinBox::FLOAT_VALUE);
    flowEntry.setFloatValueCallback(&flowCallback);
    flowEntry.setFloatMinimum(0.0f);
    flowEntry.setFloatMaximum(MAX_ENTRY);
    flowEntry.setWrapAround(true);
    flowEntry.setDigits(1);
    flowEntry.setXY(570, 60);
    updateMaxFlow(FIRST_MAX_FLOW, 0);

    const quillon::TypedText unit(UNIT_TEXT);
    entryUnitLabel.setTextId(unit);
    entryUnitLabel.setAlignment(1);
    entryUnitLabel.setVerticalAlignment(1);
    entryUnitLabel.setColor(guicontrols::Palette::entry(WHITE));
    // Beside the entry: at x 700 the box covered the unit's first letter.
    const int16_t entryRight = static_cast<int16_t>(flowEntry.getX() + flowEntry.getWidth() + UNIT_GAP);
    entryUnitLabel.setPosition(entryRight > UNIT_X ? entryRight : UNIT_X, 150, unit.getFont()->getStringWidth(unit.getText()),
                               static_cast<int16_t>(unit.getFont()->getFullHeight()));
    // The absorber-surface message stays until its OK.
    feedbackMode.disableAutoClose();
}

const quillon::WideChar* SolarPumpCalibrationView::getHelpText()
{
    return text(HELP_TEXT);
}

void SolarPumpCalibrationView::setupContent(guicontrols::Content& area)
{
    switch (calibrationState) {
    case START:
        // The pump runs at its calibration speed while the engineer decides.
        presenter->sendCalibrationMode(1);
        showConfirm(text(QUESTION));
        return;
    case CONFIRMED:
        if (!presenter->isAbsorberSurfaceKnown()) {
            calibrationState = SURFACE_MISSING;
            showFeedback(text(SURFACE_MISSING_TEXT));
            return;
        }
        calibrationState = FLOW_ENTRY;
        setupFlowEntry(area);
        return;
    case SURFACE_MISSING: {
        pagemanager::Page* surface = ShellPages::page(&Pages::wizardAbsorberSurfacePage);
        if (pageManager != nullptr && surface != nullptr) {
            pageManager->goTo(surface, false);
        }
        return;
    }
    default:
        setupFlowEntry(area);
        return;
    }
}

void SolarPumpCalibrationView::setupFlowEntry(guicontrols::Content& area)
{
    placeOperatingPoint(presenter->getCalibrationSpeed());
    showFlowLabels();
    content.invalidate();
    const float flow = presenter->getCalibrationFlow() / 10.0f;
    flowEntry.setFloatValue(flow);
    onFlowChanged(flow);
    area.add(chart);
    area.add(flowEntry);
    area.add(unitLabel);
    area.add(entryUnitLabel);
    area.add(line);
    area.add(lowerEnd);
    area.add(upperEnd);
    area.add(pointMarker);
    area.add(horizontalLine);
    area.add(verticalLine);
}

void SolarPumpCalibrationView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(OK_BUTTON, ACCEPT_ICON);
}

void SolarPumpCalibrationView::onBottomBarButton(int index)
{
    if (index != OK_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    if (pageManager == nullptr) {
        return;
    }
    Params::Commissioning* mask = pageManager->getParam<Params::Commissioning>(nullptr);
    if (mask != nullptr) {
        mask->mask |= CALIBRATION_DONE;
    }
    presenter->setCalibrationFlow(toTenths(flowEntry.getFloatValue()));
    pageManager->back(); // leaving ends the calibration mode
}

void SolarPumpCalibrationView::onConfirmFinished(uint8_t result, bool* handled)
{
    *handled = true;
    if (result == 1) { // yes
        calibrationState = CONFIRMED;
        setViewMode(this);
        return;
    }
    if (pageManager != nullptr) {
        pageManager->back();
    }
}

void SolarPumpCalibrationView::onFeedbackFinished(bool* handled)
{
    *handled = true;
    setViewMode(this);
}

void SolarPumpCalibrationView::onFlowChanged(const float& flow)
{
    updateScale(flow);
    showFlowLabels();
}

void SolarPumpCalibrationView::updateScale(float flow)
{
    updateMaxFlow(flow, presenter->getCalibrationSpeed());
}

uint8_t SolarPumpCalibrationView::toTenths(float flow)
{
    const float tenths = flow * 10.0f;
    const int32_t rounded = static_cast<int32_t>(tenths < 0.0f ? tenths - 0.5f : tenths + 0.5f);
    return static_cast<uint8_t>(rounded & 0xFF);
}
