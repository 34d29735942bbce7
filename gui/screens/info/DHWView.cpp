#include "gui/screens/info/DHWView.hpp"

#include "gui/pagemanager/OverviewState.hpp"
#include "guicontrols/ProviderTexts.hpp"
#include "model/devices/DeviceIds.hpp"

namespace
{
namespace texts = guicontrols::providertexts;

const quillon::TextId TEXT_DHW = 1159;
const quillon::TextId TEXT_FIRST_SENSOR = 1246; // "T1:", then "T2:" .. "T5:"
const uint8_t BULLET = 1;
const uint8_t PLAIN = 0;
const uint32_t FOUR_SENSOR_LAYOUT = 0;
const uint32_t FIVE_SENSOR_LAYOUT = 1;

const quillon::WideChar* text(quillon::TextId id)
{
    return texts::text(id);
}
} // namespace

DHWView::DHWView()
    : actions{{this, 0}, {this, 1}, {this, 2}, {this, 3}, {this, 4}, {this, 5}, {this, 6}, {this, 7}, {this, 8}}
{
    uint8_t detail = 0;
    if (chooseMode(pageManager, detail)) {
        formatTitle(TEXT_DHW);
    }
}

void DHWView::bindProviders()
{
    model::ParameterGroups& groups = presenter->groups();
    model::DHWGroup& dhw = groups.dhw;
    model::DataPoint<solar_info, DP_SOLAR_INFO>& solar = groups.idSolar.solarInfo;
    statusHeading.setTexts(text(1371), texts::empty(), PLAIN);
    temperatureHeading.setTexts(text(1377), texts::empty(), PLAIN);
    measuredHeading.setTexts(text(1316), texts::empty(), PLAIN);
    calculatedHeading.setTexts(text(1277), texts::empty(), PLAIN);
    cylinderStatus.set(&dhw.cylinderStatus, 11, PLAIN);
    cylinderType.set(&dhw.cylinderType, 8, PLAIN);
    setTemperature.set(&dhw.listSetpoint, text(1366), "%d°C", BULLET);
    actual.set(&dhw.commonInfo, text(1325), 4, BULLET);
    top.set(&dhw.commonInfo, text(1346), 4, BULLET);
    midCommon.set(&dhw.commonInfo, text(1339), 1, BULLET);
    bottom.set(&solar, text(1375), 2, BULLET);
    lowerMid.set(&solar, text(1340), 2, BULLET);
    midSolar.set(&solar, text(1339), 4, BULLET);
    solarIn.set(&solar, text(1363), 3, BULLET);
    solarOut2.set(&solar, text(1362), 2, BULLET);
    solarOut4.set(&solar, text(1362), 4, BULLET);
    for (uint32_t n = 0; n < FIVE_SENSORS; ++n) {
        const quillon::WideChar* label = text(static_cast<quillon::TextId>(TEXT_FIRST_SENSOR + n));
        if (n < FOUR_SENSORS) {
            fourSensors[n].set(&groups.cylinder.calculatedTemperatures, label, n, FOUR_SENSOR_LAYOUT, BULLET);
        }
        fiveSensors[n].set(&groups.cylinder.calculatedTemperatures, label, n, FIVE_SENSOR_LAYOUT, BULLET);
    }
    circulationPump.set(&dhw.circulationPump, text(1195), 0, PLAIN);
    primaryPump.set(&dhw.cylinderPrimaryPump, text(1369), 0, PLAIN);
    chargeState.set(&dhw.chargeState, text(1335), wide(u"%d %%"), 1.0f, PLAIN, 0, 0);
}

void DHWView::showOverview(const OverviewState& state)
{
    uint8_t detail = 0;
    if (takeOverview(state, detail)) {
        formatTitle(TEXT_DHW);
        setViewMode(nullptr);
    }
}

void DHWView::execute(uint32_t index)
{
    if (index == InfoActionEntries::MIN_MAX) {
        InfoActionEntries::openMinMax(pageManager);
    } else {
        InfoListView<DHWPresenter>::execute(index);
    }
}

void DHWView::configureInformation()
{
    const bool actualValid = presenter->isActualValid();
    beginList();
    addProgramActions(actions);
    addChartActions(false);
    if (actualValid) {
        addGroup(&temperatureHeading, {&actual});
    }
    if (!addCalculatedGroup()) {
        addTopAndBottom();
    }
    addPumpsAndCharge();
    addLine(&cylinderType);
    endList();
}

void DHWView::configureDiagnosis()
{
    const bool actualValid = presenter->isActualValid();
    beginList();
    addProgramActions(actions);
    addGroup(&temperatureHeading, {actualValid ? &actual : nullptr, &setTemperature});
    addChartActions(true);
    addMeasuredGroup();
    addCalculatedGroup();
    addPumpsAndCharge();
    endList();
}

void DHWView::configureStatus()
{
    beginList();
    addGroup(&statusHeading, {&cylinderStatus});
    addProgramActions(actions);
    addGroup(&temperatureHeading, {&setTemperature, &actual});
    addMeasuredGroup();
    addPumpsAndCharge();
    endList();
}

void DHWView::addChartActions(bool withMinMax)
{
    if (!hasCalculatedTemperatures()) {
        return;
    }
    addAction(actions[InfoActionEntries::CYLINDER_HISTORY]);
    addAction(actions[InfoActionEntries::STRATIFICATION]);
    if (withMinMax) {
        addAction(actions[InfoActionEntries::MIN_MAX]);
    }
}

void DHWView::addPumpsAndCharge()
{
    if (hasFlag(DEVICE_CIRCULATION_A)) {
        addLine(&circulationPump);
    }
    addLine(&primaryPump);
    if (hasCalculatedTemperatures()) {
        addLine(&chargeState);
    }
}

bool DHWView::hasCalculatedTemperatures()
{
    return hasFlag(DEVICE_CYLINDER_4) || hasFlag(DEVICE_BOILER_4);
}

bool DHWView::addCalculatedGroup()
{
    if (hasFlag(DEVICE_CYLINDER_4)) {
        addGroup(&calculatedHeading, {&fourSensors[0], &fourSensors[1], &fourSensors[2], &fourSensors[3]});
        return true;
    }
    if (hasFlag(DEVICE_BOILER_4)) {
        addGroup(&calculatedHeading,
                 {&fiveSensors[0], &fiveSensors[1], &fiveSensors[2], &fiveSensors[3], &fiveSensors[4]});
        return true;
    }
    return false;
}

void DHWView::addMeasuredGroup()
{
    if (hasFlag(DEVICE_CYLINDER_4)) {
        addGroup(&measuredHeading, {&top, &midSolar, &solarIn, &solarOut2});
    } else if (hasFlag(DEVICE_BOILER_4)) {
        addGroup(&measuredHeading, {&top, &midCommon, &lowerMid, &solarIn, &solarOut4});
    } else if (!hasFlag(DEVICE_BOILER_2) && !hasFlag(DEVICE_CYLINDER_1)) {
        addTopAndBottom();
    }
}

void DHWView::addTopAndBottom()
{
    if (hasFlag(DEVICE_BOILER_3) || hasFlag(DEVICE_CYLINDER_2) || hasFlag(DEVICE_CYLINDER_3) ||
        hasFlag(DEVICE_CYLINDER_5)) {
        addGroup(&temperatureHeading, {&top, &bottom});
    }
}
