#include "gui/screens/wizard/WizardReportSettingsView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/WideLiteral.hpp"
#include "guicontrols/ProviderTexts.hpp"
#include "model/devices/DeviceIds.hpp"

namespace
{
namespace texts = guicontrols::providertexts;

const uint8_t PLAIN = 0;
const uint8_t BULLET = 1;
const uint8_t FLOAT_ON = 1;
const uint32_t CYLINDER_TYPE_KIND = 8;
const uint32_t BOILER_CIRCUIT_KIND = 12;
const uint32_t MIXER_CIRCUIT_KIND = 13;
const uint32_t SOLAR_CONTROL_KIND = 15;
const uint32_t DESTRATIFICATION_KIND = 16;
const quillon::TextId CIRCUIT_HEADINGS[WizardReportSettingsView::CIRCUITS] = {964, 965, 966};
const uint32_t CIRCUIT_FLAGS[WizardReportSettingsView::CIRCUITS] = {DEVICE_HC1, DEVICE_HC2, DEVICE_HC3};

const quillon::WideChar* text(quillon::TextId id)
{
    return texts::text(id);
}
} // namespace

WizardReportSettingsView::WizardReportSettingsView()
    : BaseView<WizardReportSettingsPresenter>(&Functors::getInstance().plain)
{
}

void WizardReportSettingsView::beforeSetupScreen()
{
    configureSolar();
    configureHotWater();
    configureBoiler();
    for (uint8_t circuit = 0; circuit < CIRCUITS; ++circuit) {
        configureCircuit(circuit);
    }
}

void WizardReportSettingsView::configureSolar()
{
    model::ParameterGroups& groups = presenter->groups();
    model::SolarGroup& solar = groups.solar;
    solarHeading.setTexts(text(1567), texts::empty(), PLAIN);
    pumpType.set(&solar.pumpType, text(1098), text(1018), text(1494), 0, BULLET);
    stagnation.set(&solar.stagnationTimeReduction, text(1119), wide(u"%d K"), 1.0f, BULLET, 0, 0);
    flow.set(&solar.flow, text(1154), wide(u"%.1f l/min"), 10.0f, BULLET, 0, 0);
    solarControl.set(&solar.destratificationPump, SOLAR_CONTROL_KIND, BULLET);
    absorberSurface.set(&groups.idSolar.absorberSurface, text(805), wide(u"%.2f m²"), 1.0f, BULLET, 0, 0);
    cylinderMaximum.set(&solar.cylinderMaximumTemperature, text(1106), wide(u"%d°C"), 1.0f, BULLET, 0, 0);
}

void WizardReportSettingsView::configureHotWater()
{
    model::ParameterGroups& groups = presenter->groups();
    model::DHWGroup& dhw = groups.dhw;
    hotWaterHeading.setTexts(text(1161), texts::empty(), PLAIN);
    heatingSuppression.set(&dhw.reheatingSuppression, text(1184), wide(u"%d"), 1.0f, BULLET, 0, 0);
    circulationPump.set(&dhw.circulationPumpPresent, text(1197), text(1044), text(1000), 0, BULLET);
    destratificationPump.set(&groups.solar.destratificationPump, DESTRATIFICATION_KIND, BULLET);
    separatorConnection.set(&dhw.separatorConnection, text(1113), text(1432), text(1433), 0, BULLET);
    cylinderType.set(&dhw.cylinderType, CYLINDER_TYPE_KIND, BULLET);
}

void WizardReportSettingsView::configureBoiler()
{
    model::ParameterGroups& groups = presenter->groups();
    boilerHeading.setTexts(text(947), texts::empty(), PLAIN);
    burnerService.set(&groups.heating.burnerServiceInterval, text(860), wide(u"%d"), 1.0f, BULLET, 0, 0);
    serviceInterval.set(&groups.heating.serviceIntervalMonths, text(1167), wide(u"%d"), 1.0f, BULLET, 0, 0);
    // As the table held it on entry: the list shows the output commissioning ended with.
    maximumOutput.setFixedValue(groups.testOperation.maximumThermalOutput.getValue(), text(1033), wide(u"%d %%%%"),
                                1.0f, BULLET, 0, 0);
}

void WizardReportSettingsView::configureCircuit(uint8_t index)
{
    model::HCGroup& hc = presenter->groups().hc;
    Circuit& circuit = circuits[index];
    circuit.heading.setTexts(text(CIRCUIT_HEADINGS[index]), texts::empty(), PLAIN);
    circuit.type.set(&hc.circuitType[index], index == 0 ? BOILER_CIRCUIT_KIND : MIXER_CIRCUIT_KIND, BULLET);
    circuit.screedDrying.set(&hc.screedDrying[index], text(929), text(825), text(1430), 0, BULLET);
    circuit.slope.set(&hc.curveSlope[index], text(1043), wide(u"%.1f"), 1.0f, BULLET, FLOAT_ON, 0);
    circuit.shift.set(&hc.curveLevel[index], text(1047), wide(u"%.0f K"), 1.0f, BULLET, FLOAT_ON, 0);
    circuit.minimumSupply.set(&hc.minimumSupplyTemperature[index], text(1157), wide(u"%d°C"), 1.0f, BULLET, 0, 0);
    circuit.maximumSupply.set(&hc.maximumSupplyTemperature[index], text(1156), wide(u"%d°C"), 1.0f, BULLET, 0, 0);
}

const quillon::WideChar* WizardReportSettingsView::getHelpText()
{
    return text(HELP_TEXT);
}

void WizardReportSettingsView::setupContent(guicontrols::Content& area)
{
    listControl.setPosition(0, 0, area.getWidth(), area.getHeight());
    fillList();
    area.add(listControl);
}

void WizardReportSettingsView::fillList()
{
    beginList();
    if (presenter->isAnyAvailable({DEVICE_ZR6, DEVICE_ZR6_B})) {
        addSolar();
    }
    if (presenter->isAnyAvailable({DEVICE_DHW_HC1, DEVICE_DHW_HC2, DEVICE_DHW_HC3})) {
        addHotWater();
    }
    addBoiler();
    for (uint8_t circuit = 0; circuit < CIRCUITS; ++circuit) {
        if (presenter->isAvailable(CIRCUIT_FLAGS[circuit])) {
            addCircuit(circuit);
        }
    }
    endList();
}

void WizardReportSettingsView::addSolar()
{
    const bool calibratable = presenter->isAvailable(DEVICE_SOLAR_PUMP_CALIBRATION);
    addLine(&solarHeading);
    addSubLine(&pumpType);
    if (calibratable) {
        addSubLine(&stagnation);
    }
    addSubLine(&flow);
    if (presenter->isAvailable(DEVICE_ZR6_B)) {
        addSubLine(&solarControl);
    }
    if (calibratable) {
        addSubLine(&absorberSurface);
    }
    addSubLine(&cylinderMaximum);
}

void WizardReportSettingsView::addHotWater()
{
    const bool boiler4OrCylinder4 = presenter->isAnyAvailable({DEVICE_BOILER_4, DEVICE_CYLINDER_4});
    addLine(&hotWaterHeading);
    if (presenter->isAnyAvailable({DEVICE_HELIORA_1, DEVICE_HELIORA_2, DEVICE_ZR6, DEVICE_ZR6_B})) {
        addSubLine(&heatingSuppression);
    }
    if (boiler4OrCylinder4) {
        addSubLine(&circulationPump);
    }
    if (presenter->isAvailable(DEVICE_ZR6_B)) {
        addSubLine(&destratificationPump);
    }
    if (presenter->isAvailable(DEVICE_DP330) && boiler4OrCylinder4) {
        addSubLine(&separatorConnection);
    }
    addSubLine(&cylinderType);
}

void WizardReportSettingsView::addBoiler()
{
    addLine(&boilerHeading);
    addSubLine(&burnerService);
    addSubLine(&serviceInterval);
    addSubLine(&maximumOutput);
}

void WizardReportSettingsView::addCircuit(uint8_t index)
{
    Circuit& circuit = circuits[index];
    addLine(&circuit.heading);
    addSubLine(&circuit.type);
    if (presenter->isUnderfloorCircuit(index)) {
        addSubLine(&circuit.screedDrying);
    }
    addSubLine(&circuit.slope);
    addSubLine(&circuit.shift);
    addSubLine(&circuit.minimumSupply);
    addSubLine(&circuit.maximumSupply);
}
