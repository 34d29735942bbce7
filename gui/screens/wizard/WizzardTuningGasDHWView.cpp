#include "gui/screens/wizard/WizzardTuningGasDHWView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ShellPages.hpp"
#include "gui/common/WideLiteral.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pages/Pages.hpp"
#include "model/devices/DeviceIds.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const uint8_t PLAIN = 0;
const uint32_t SOLAR_CONTROL_KIND = 15;
const quillon::TextId TIME_PROGRAM_TEXTS[WizzardTuningGasDHWView::PROGRAMS] = {1563, 1564, 1565};
const quillon::TextId CIRCULATION_TEXTS[WizzardTuningGasDHWView::PROGRAMS] = {1577, 1579, 1581};
const uint32_t HOT_WATER_FLAGS[WizzardTuningGasDHWView::PROGRAMS] = {DEVICE_DHW_HC1, DEVICE_DHW_HC2, DEVICE_DHW_HC3};

const quillon::WideChar* text(quillon::TextId id)
{
    return quillon::TypedText(id).getText();
}

WizzardTuningGasDHWView::Line timeProgramLine(uint32_t program)
{
    return static_cast<WizzardTuningGasDHWView::Line>(WizzardTuningGasDHWView::TIME_PROGRAM_1 + program);
}

WizzardTuningGasDHWView::Line circulationLine(uint32_t program)
{
    return static_cast<WizzardTuningGasDHWView::Line>(WizzardTuningGasDHWView::CIRCULATION_PROGRAM_1 + program);
}
} // namespace

WizzardTuningGasDHWView::WizzardTuningGasDHWView()
    : BaseView<WizzardTuningGasDHWPresenter>(&Functors::getInstance().plain),
      lineCallback(this, &WizzardTuningGasDHWView::onButtonClicked)
{
    for (guicontrols::LongButton& line : lines) {
        line.setAction(lineCallback);
    }
}

void WizzardTuningGasDHWView::beforeSetupScreen()
{
    model::ParameterGroups& groups = presenter->groups();
    circulationPump.set(&groups.dhw.circulationPumpPresent, text(1197), text(1044), text(1000), 0, PLAIN);
    separatorConnection.set(&groups.dhw.separatorConnection, text(1113), text(1432), text(1433), 0, PLAIN);
    solarControl.set(&groups.solar.destratificationPump, SOLAR_CONTROL_KIND, PLAIN);
    setpoint.set(&groups.dhw.setpoint, text(1143), wide(u"%d°C"), 1.0f, PLAIN, 0, 0);
    reheatingSuppression.set(&groups.dhw.reheatingSuppression, text(1562), wide(u"%d"), 1.0f, PLAIN, 0, 0);
    burnerService.set(&groups.heating.burnerServiceInterval, text(860), wide(u"%d"), 1.0f, PLAIN, 0, 0);
    serviceInterval.set(&groups.heating.serviceIntervalMonths, text(1167), wide(u"%d"), 1.0f, PLAIN, 0, 0);

    lines[CYLINDER_TYPE].setText(quillon::TypedText(1183));
    lines[CIRCULATION_PUMP].setText(circulationPump.getText(0));
    lines[SOLAR_CONTROL].setText(solarControl.getText(0));
    lines[SEPARATOR_CONNECTION].setText(separatorConnection.getText(0));
    lines[SETPOINT].setText(setpoint.getText(0));
    lines[REHEATING_SUPPRESSION].setText(reheatingSuppression.getText(0));
    for (uint32_t program = 0; program < PROGRAMS; ++program) {
        lines[timeProgramLine(program)].setText(quillon::TypedText(TIME_PROGRAM_TEXTS[program]));
        lines[circulationLine(program)].setText(quillon::TypedText(CIRCULATION_TEXTS[program]));
    }
    lines[BURNER_SERVICE].setText(burnerService.getText(0));
    lines[SERVICE_INTERVAL].setText(serviceInterval.getText(0));
    lines[MAX_OUTPUT].setText(quillon::TypedText(1033));
}

const quillon::WideChar* WizzardTuningGasDHWView::getTitle()
{
    return presenter->getTitle();
}

void WizzardTuningGasDHWView::setupContent(guicontrols::Content& area)
{
    list.setUp(area);
    updateList();
}

void WizzardTuningGasDHWView::update()
{
    updateList();
}

void WizzardTuningGasDHWView::updateList()
{
    list.begin();
    switch (presenter->getScope()) {
    case WizzardTuningGasDHWPresenter::SCOPE_DHW:
        addHotWaterLines();
        break;
    case WizzardTuningGasDHWPresenter::SCOPE_BOILER:
        addBoilerLines();
        break;
    case WizzardTuningGasDHWPresenter::SCOPE_BOILER_DHW:
        addBoilerLines();
        addHotWaterLines();
        break;
    default:
        break;
    }
    list.end();
}

void WizzardTuningGasDHWView::addBoilerLines()
{
    list.add(lines[BURNER_SERVICE], burnerService);
    list.add(lines[SERVICE_INTERVAL], serviceInterval);
    lines[MAX_OUTPUT].setValueText(presenter->getMaxOutputText());
    list.add(lines[MAX_OUTPUT]);
}

void WizzardTuningGasDHWView::addHotWaterLines()
{
    const bool boiler4 = presenter->isAvailable(DEVICE_BOILER_4);
    const bool cylinder4 = presenter->isAvailable(DEVICE_CYLINDER_4);
    if (presenter->isAvailable(DEVICE_BOILER_1)) {
        list.add(lines[CYLINDER_TYPE]);
    }
    if (boiler4 || cylinder4) {
        list.add(lines[CIRCULATION_PUMP], circulationPump);
    }
    if (presenter->isAvailable(DEVICE_ZR6_B)) {
        list.add(lines[SOLAR_CONTROL], solarControl);
    }
    if (presenter->isAvailable(DEVICE_DP330) && !(boiler4 && cylinder4)) {
        list.add(lines[SEPARATOR_CONNECTION], separatorConnection);
    }
    if (presenter->isAnyAvailable({DEVICE_HELIORA_1, DEVICE_HELIORA_2, DEVICE_ZR6, DEVICE_ZR6_B})) {
        list.add(lines[REHEATING_SUPPRESSION], reheatingSuppression);
    }
    for (uint32_t program = 0; program < PROGRAMS; ++program) {
        addProgramLines(program);
    }
}

void WizzardTuningGasDHWView::addProgramLines(uint32_t program)
{
    if (!presenter->isAvailable(HOT_WATER_FLAGS[program])) {
        return;
    }
    if (program == 0) {
        list.add(lines[SETPOINT], setpoint);
    }
    list.add(lines[timeProgramLine(program)]);
    if (presenter->isAnyAvailable({DEVICE_CIRCULATION_A, DEVICE_CIRCULATION_B})) {
        list.add(lines[circulationLine(program)]);
    }
}

void WizzardTuningGasDHWView::onButtonClicked(const quillon::AbstractButton& button)
{
    Pages* pages = ShellPages::find();
    if (pageManager == nullptr || pages == nullptr) {
        return;
    }
    if (&button == &lines[CYLINDER_TYPE]) {
        pageManager->goTo(&pages->wizardCylinderTypePage, false);
    } else if (&button == &lines[SETPOINT]) {
        pageManager->goTo(&pages->dhwBaseSetpointTempPage, false);
    }
    for (uint32_t program = 0; program < PROGRAMS; ++program) {
        if (&button == &lines[timeProgramLine(program)]) {
            openProgram(program, &pages->dhwTimeProgramOverviewPage);
        } else if (&button == &lines[circulationLine(program)]) {
            openProgram(program, &pages->dhwCirculationOverviewPage);
        }
    }
}

void WizzardTuningGasDHWView::openProgram(uint32_t program, pagemanager::Page* target)
{
    HeatingCircuitParam param = {};
    param.circuit = static_cast<uint16_t>(program);
    param.readOnly = 0;
    param.titleByNumber = 1;
    pageManager->setParam(param);
    pageManager->goTo(target, false);
}
