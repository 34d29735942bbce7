#include "gui/screens/infocircuit/SolarView.hpp"

#include "gui/common/ShellPages.hpp"
#include "gui/common/WideLiteral.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/screens/infocircuit/SolarFlags.hpp"
#include "gui/shell/ShellContext.hpp"

namespace
{
using quillon::TextId;
using namespace SolarFlags;
using guicontrols::providertexts::text;

const TextId SUBJECT = 1092; // "Solar energy"
const TextId ACTION_TEXTS[2] = {1361, 1123};
const uint8_t BULLET = 1;
const uint8_t PLAIN = 0;
const uint32_t GROUP_LINE = 1;
} // namespace

SolarView::SolarView() : SolarView(listChoiceOfPage(ShellContext::current().pageManager, OverviewUse::StatusFromOverview))
{
}

SolarView::SolarView(const ListChoice& choice)
    : ModeListView<SolarPresenter>(choice), actions{guicontrols::ButtonItem(0u), guicontrols::ButtonItem(1u)}
{
    if (choice.titled) {
        formatTitle(text(SUBJECT));
    }
}

void SolarView::bindProviders()
{
    model::IDSolarGroup& solar = presenter->solar();
    model::DataPoint<solar_info, DP_SOLAR_INFO>* info = &solar.solarInfo;
    collector.set(info, text(1008), 1, PLAIN);
    solarDhw.set(info, text(1376), 2, PLAIN);
    pumpHours.set(info, text(1096), 8, PLAIN);
    solarEnergy.set(info, text(1092), 5, PLAIN);
    pumpStarts.set(info, text(1364), 7, PLAIN);
    stagnation.set(info, text(1365), 9, PLAIN);
    incorrectCirculation.set(info, text(1295), 12, PLAIN);
    differenceMonitor.set(info, text(1282), 13, PLAIN);
    pumpState.set(info, text(1096), 14, PLAIN);
    pumpSpeed.set(info, text(1283), 0, PLAIN);
    suppressionDhw.set(info, text(1319), 15, PLAIN);
    output22Heading.setTexts(text(1359), guicontrols::providertexts::empty(), PLAIN);
    output22Status.set(info, text(1279), 18, BULLET);
    output22Hours.set(info, text(841), 11, BULLET);
    output22Starts.set(info, text(1360), 10, BULLET);
    sensor5.set(info, text(1358), 2, PLAIN);
    sensor7.set(info, text(1357), 3, PLAIN);
    sensor10.set(info, text(1356), 4, PLAIN);
    suppressionHeating.set(info, text(1320), 19, PLAIN);
    absorberSurface.set(&solar.absorberSurface, text(805), wide(u"%.2f m²"), 1.0f, PLAIN, 0, 0);
    actions[ENERGY_HISTORY].setProvider(this, ENERGY_HISTORY);
    actions[PUMP_STATUS].setProvider(this, PUMP_STATUS);
}

void SolarView::addPumpLines()
{
    if (has(PUMP_WITHOUT_SPEED)) {
        addLine(&pumpState);
    }
    if (has(PUMP_WITH_SPEED)) {
        addLine(&pumpSpeed);
    }
    addLine(&suppressionDhw);
}

void SolarView::addSensorLines()
{
    if (has(SENSOR_7)) {
        addLine(&sensor7);
    }
    if (has(SENSOR_10)) {
        addLine(&sensor10);
    }
}

void SolarView::configureInformation()
{
    beginList();
    if (hasLargeSystem()) {
        listControl.add(&actions[ENERGY_HISTORY]);
    }
    addLine(&collector);
    addLine(&solarDhw);
    addLine(&pumpHours);
    if (hasSolarEnergy()) {
        addLine(&solarEnergy);
    }
    addPumpLines();
    if (has(OUTPUT_22)) {
        addLine(&output22Heading, GROUP_LINE);
        addSubLine(&output22Status, GROUP_LINE);
        addSubLine(&output22Hours);
    }
    addSensorLines();
    if (has(KIND_4)) {
        addLine(&suppressionHeating);
    }
    if (has(ABSORBER_SURFACE)) {
        addLine(&absorberSurface);
    }
    endList();
}

void SolarView::configureDiagnosis()
{
    beginList();
    if (hasLargeSystem()) {
        listControl.add(&actions[ENERGY_HISTORY]);
    }
    if (has(PUMP_STATUS_PAGE)) {
        listControl.add(&actions[PUMP_STATUS]);
    }
    addLine(&collector);
    addLine(&solarDhw);
    addLine(&pumpHours);
    if (hasSolarEnergy()) {
        addLine(&solarEnergy);
    }
    if (hasLargeSystem()) {
        addLine(&pumpStarts);
        addLine(&stagnation);
        addLine(&incorrectCirculation);
        addLine(&differenceMonitor);
    }
    addPumpLines();
    if (has(OUTPUT_22)) {
        addLine(&output22Heading, GROUP_LINE);
        addSubLine(&output22Status, GROUP_LINE);
        addSubLine(&output22Hours, GROUP_LINE);
        addSubLine(&output22Starts);
    }
    addSensorLines();
    if (hasLargeSystem()) {
        addLine(&suppressionHeating);
    }
    endList();
}

void SolarView::configureStatus()
{
    beginList();
    addLine(&collector);
    addLine(&solarDhw);
    addPumpLines();
    if (has(OUTPUT_22)) {
        addLine(&output22Heading, GROUP_LINE);
        addSubLine(&output22Status);
    }
    addLine(&sensor5);
    addSensorLines();
    if (hasLargeSystem()) {
        addLine(&suppressionHeating);
    }
    endList();
}

const quillon::WideChar* SolarView::getText(uint32_t index)
{
    return index <= PUMP_STATUS ? text(ACTION_TEXTS[index]) : guicontrols::providertexts::empty();
}

void SolarView::execute(uint32_t index)
{
    if (pageManager == nullptr || index > PUMP_STATUS) {
        return;
    }
    if (index == ENERGY_HISTORY) {
        pagemanager::Page* history = ShellPages::page(&Pages::solarOverviewPage);
        if (history == nullptr) {
            return;
        }
        // The history without its details: the solar energy road of the chart.
        const IntervalSelection interval = {INTERVAL_7_DAYS, 1};
        pageManager->setParam(interval);
        pageManager->goTo(history, false);
        return;
    }
    pagemanager::Page* pumpStatus = ShellPages::page(&Pages::solarPumpStatusPage);
    if (pumpStatus != nullptr) {
        pageManager->goTo(pumpStatus, false);
    }
}
