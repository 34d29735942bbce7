#include "gui/screens/info/GeneralView.hpp"

#include "gui/pagemanager/OverviewState.hpp"
#include "guicontrols/ProviderTexts.hpp"
#include "model/devices/DeviceIds.hpp"

namespace
{
namespace texts = guicontrols::providertexts;

const quillon::TextId TEXT_GENERAL = 814;
const quillon::TextId TEXT_BOILER = 947; // "Gas condensing boiler"
const quillon::TextId TEXT_DHW = 1159;
const quillon::TextId TEXT_ON = 902;
const quillon::TextId TEXT_OFF = 825;
const quillon::TextId TEXT_ACTUAL = 1325;
const quillon::TextId TEXT_SET = 1366;
const quillon::TextId TEXT_TOP = 1346;
const quillon::TextId TEXT_MID = 1339;
const quillon::TextId TEXT_SOLAR_IN = 1363;
const quillon::TextId TEXT_SOLAR_OUT = 1362;
const uint8_t BULLET = 1;
const uint8_t PLAIN = 0;
const uint8_t WITH_DHW = 1;

// In the order of the view's Heading names.
const quillon::TextId HEADING_TEXTS[] = {
    827,  // "Outside temperature"
    1007, // "Boiler temperature"
    1259, // "Flue gas temperature"
    1285, // "Input extension QN5"
    1302, // "Function input QN5 input DE1"
    1303,
    1304,
    1299, // "Function output 20"
    1300, // "Function output 21/28"
    1374, // "Switching valve"
    1305, // "Function internal JX7"
    1301, // "Function output QN5"
    1297, // "Function output 1 XB3"
    1298, // "Function output 2 XB3"
    946,  // "Gas type"
    1268, // "Request"
    1371, // "Cylinder status"
    1377, // "DHW temperature"
    1316, // "Measured DHW sensor values"
};

const quillon::WideChar* text(quillon::TextId id)
{
    return texts::text(id);
}
} // namespace

GeneralView::GeneralView()
    : includeDhw(0),
      actions{{this, 0}, {this, 1}, {this, 2}, {this, 3}, {this, 4}, {this, 5}}
{
    static_assert(sizeof(HEADING_TEXTS) / sizeof(HEADING_TEXTS[0]) == HEADINGS, "a text per heading");
    uint8_t detail = 0;
    const bool chosen = chooseMode(pageManager, detail);
    chooseTitle(chosen, detail);
}

void GeneralView::bindProviders()
{
    model::ParameterGroups& groups = presenter->groups();
    model::GeneralGroup& general = groups.general;
    model::DHWGroup& dhw = groups.dhw;
    model::DataPoint<solar_info, DP_SOLAR_INFO>& solar = groups.idSolar.solarInfo;
    for (uint32_t n = 0; n < HEADINGS; ++n) {
        headings[n].setTexts(text(HEADING_TEXTS[n]), texts::empty(), PLAIN);
    }
    outsideActual.set(&general.commonInfo, text(TEXT_ACTUAL), 0, BULLET);
    commonSupply.set(&general.commonInfo, text(1315), 1, PLAIN);
    flueGasActual.set(&general.commonInfo, text(TEXT_ACTUAL), 6, BULLET);
    centralFault.set(&general.commonInfo, text(1353), 13, PLAIN);
    output20.set(&general.commonInfo, text(1271), 27, PLAIN);
    dhwTop.set(&dhw.commonInfo, text(TEXT_TOP), 4, BULLET);
    dhwMidCommon.set(&dhw.commonInfo, text(TEXT_MID), 1, BULLET);
    dhwActual.set(&dhw.commonInfo, text(TEXT_ACTUAL), 4, BULLET);
    boilerSet.set(&general.boilerInfo, text(TEXT_SET), 2, BULLET);
    boilerActual.set(&general.boilerInfo, text(TEXT_ACTUAL), 3, BULLET);
    burner.set(&general.boilerInfo, text(1442), 9, PLAIN);
    solarMid.set(&solar, text(TEXT_MID), 4, BULLET);
    solarIn.set(&solar, text(TEXT_SOLAR_IN), 3, BULLET);
    solarOut2.set(&solar, text(TEXT_SOLAR_OUT), 2, BULLET);
    solarOut4.set(&solar, text(TEXT_SOLAR_OUT), 4, BULLET);
    lowerMid.set(&solar, text(1340), 2, BULLET);
    bottom.set(&solar, text(1375), 2, BULLET);
    circulationPump.set(&dhw.circulationPump, text(1195), 0, PLAIN);
    primaryPump.set(&dhw.cylinderPrimaryPump, text(1369), 0, PLAIN);
    const quillon::WideChar* on = text(TEXT_ON);
    const quillon::WideChar* off = text(TEXT_OFF);
    inputDe1.set(&general.inputDe1, text(1286), off, on, 0, BULLET);
    inputDe2.set(&general.inputDe2, text(1287), off, on, 0, BULLET);
    inputDe3.set(&general.inputDe3, text(1288), off, on, 0, BULLET);
    output21.set(&general.output21, text(1272), off, on, 0, PLAIN);
    internalOutput.set(&general.internalExtensionOutput, text(1274), off, on, 0, PLAIN);
    qn5Output.set(&general.qn5Output, text(1273), off, on, 0, PLAIN);
    xb3Output1.set(&general.xb3Output1, text(1269), off, on, 0, PLAIN);
    xb3Output2.set(&general.xb3Output2, text(1270), off, on, 0, PLAIN);
    de1Function.set(&general.inputDe1Function, 1, PLAIN);
    de2Function.set(&general.inputDe2Function, 1, PLAIN);
    de3Function.set(&general.inputDe3Function, 1, PLAIN);
    output20Function.set(&general.output20Function, 2, PLAIN);
    output21Function.set(&general.output21Function, 3, PLAIN);
    switchingValve.set(&general.switchingValve, 4, PLAIN);
    internalFunction.set(&general.internalExtensionFunction, 5, PLAIN);
    qn5OutputFunction.set(&general.qn5OutputFunction, 6, PLAIN);
    xb3Output1Function.set(&general.xb3Output1Function, 7, PLAIN);
    xb3Output2Function.set(&general.xb3Output2Function, 7, PLAIN);
    gasType.set(&groups.flueGasSensor.gasType, 17, PLAIN);
    request.set(&general.heatRequest, 10, PLAIN);
    cylinderStatus.set(&dhw.cylinderStatus, 11, PLAIN);
    // Seconds to whole hours, cut: 7199 s is still 1 h.
    burnerHours.set(&general.burnerSeconds, text(1280), wide(u"%.0f h"), 3600.0f, PLAIN, 0, 1);
    burnerStarts.set(&general.burnerStarts, text(1281), wide(u"%d"), 1.0f, PLAIN, 0, 0);
    subscriber.set(&general.subscriberNumber, text(1373), wide(u"%d"), 1.0f, PLAIN, 0, 0);
    modulation.set(&general.modulation, text(1341), wide(u"%d %%"), 1.0f, PLAIN, 0, 0);
    chargeState.set(&dhw.chargeState, text(1335), wide(u"%d %%"), 1.0f, PLAIN, 0, 0);
    adjustedOutside.set(&general.adjustedOutsideTemperature, text(1314), "%d°C", BULLET);
    externalHookUp.set(&general.externalHookUp, text(1290), "%d %%", PLAIN);
    dhwSet.set(&dhw.listSetpoint, text(TEXT_SET), "%d°C", BULLET);
    clockTime.set(nullptr, text(1569), 2, PLAIN);
    clockDate.set(nullptr, text(870), 3, PLAIN);
}

void GeneralView::chooseTitle(bool chosen, uint8_t detail)
{
    if (!chosen) {
        return; // no page leads here without a list setting: no title
    }
    if (mode == LIST_MODE_STATUS) {
        includeDhw = detail == WITH_DHW ? 1 : 0;
        formatTitle(TEXT_BOILER, includeDhw != 0 ? TEXT_DHW : 0);
    } else {
        formatTitle(TEXT_GENERAL);
    }
}

void GeneralView::showOverview(const OverviewState& state)
{
    uint8_t detail = 0;
    if (takeOverview(state, detail)) {
        chooseTitle(true, detail);
        setViewMode(nullptr);
    }
}

void GeneralView::configureInformation()
{
    beginList();
    if (hasFlag(DEVICE_OUTSIDE_TEMPERATURE)) {
        addGroup(heading(OUTSIDE), {&outsideActual});
    }
    addGroup(heading(BOILER), {&boilerActual});
    if (hasFlag(DEVICE_SENSOR_SUPPLY)) {
        addLine(&commonSupply);
    }
    addGroup(heading(FLUE_GAS), {&flueGasActual});
    addLine(&burner);
    addLine(&burnerHours);
    addLine(&centralFault);
    if (hasFlag(DEVICE_SUBSCRIBER_NUMBER)) {
        addLine(&subscriber);
    }
    if (hasFlag(DEVICE_QN5)) {
        addQn5Inputs();
        addLine(&externalHookUp);
    }
    addLine(&clockTime);
    addLine(&clockDate);
    endList();
}

void GeneralView::configureDiagnosis()
{
    beginList();
    if (hasFlag(DEVICE_OUTSIDE_TEMPERATURE)) {
        addGroup(heading(OUTSIDE), {&adjustedOutside, &outsideActual});
    }
    addGroup(heading(BOILER), {&boilerSet, &boilerActual});
    if (hasFlag(DEVICE_SENSOR_SUPPLY)) {
        addLine(&commonSupply);
    }
    addGroup(heading(FLUE_GAS), {&flueGasActual});
    addLine(&burnerStarts);
    addLine(&burnerHours);
    if (hasFlag(DEVICE_OUTPUT_20)) {
        addLine(&output20);
        if (presenter->isOutput20On()) {
            addGroup(heading(OUTPUT_20_FUNCTION), {&output20Function});
        }
    }
    addLine(&output21);
    if (presenter->isOutput21On()) {
        addGroup(heading(OUTPUT_21_FUNCTION), {&output21Function});
    }
    addGroup(heading(SWITCHING_VALVE), {&switchingValve});
    addLine(&internalOutput);
    if (presenter->isInternalOutputOn()) {
        addGroup(heading(INTERNAL_FUNCTION), {&internalFunction});
    }
    if (hasFlag(DEVICE_SUBSCRIBER_NUMBER)) {
        addLine(&subscriber);
    }
    if (hasFlag(DEVICE_QN5)) {
        addQn5Inputs();
        addLine(&externalHookUp);
        addLine(&qn5Output);
        addGroup(heading(QN5_OUTPUT_FUNCTION), {&qn5OutputFunction});
    }
    if (hasFlag(DEVICE_XB3)) {
        addLine(&xb3Output1);
        addGroup(heading(XB3_OUTPUT_1_FUNCTION), {&xb3Output1Function});
        addLine(&xb3Output2);
        addGroup(heading(XB3_OUTPUT_2_FUNCTION), {&xb3Output2Function});
    }
    addLine(&clockTime);
    addLine(&clockDate);
    endList();
}

void GeneralView::configureStatus()
{
    beginList();
    addLine(&burner);
    addGroup(heading(GAS_TYPE), {&gasType});
    addGroup(heading(REQUEST), {&request});
    addGroup(heading(BOILER), {&boilerSet, &boilerActual});
    addLine(&modulation);
    addGroup(heading(FLUE_GAS), {&flueGasActual});
    addLine(&externalHookUp);
    if (hasFlag(DEVICE_SENSOR_SUPPLY)) {
        addLine(&commonSupply);
    }
    if (includeDhw != 0) {
        addHotWaterPart();
    }
    endList();
}

void GeneralView::addQn5Inputs()
{
    addGroup(heading(QN5_INPUTS), {&inputDe1, &inputDe2, &inputDe3});
    addGroup(heading(DE1_FUNCTION), {&de1Function});
    addGroup(heading(DE2_FUNCTION), {&de2Function});
    addGroup(heading(DE3_FUNCTION), {&de3Function});
}

void GeneralView::addHotWaterPart()
{
    addGroup(heading(CYLINDER_STATUS), {&cylinderStatus});
    addProgramActions(actions);
    addHotWaterTemperatures();
    if (hasFlag(DEVICE_CIRCULATION_A)) {
        addLine(&circulationPump);
    }
    addLine(&primaryPump);
    if (hasFlag(DEVICE_CYLINDER_4) || hasFlag(DEVICE_BOILER_4)) {
        addLine(&chargeState);
    }
}

// The first case whose device is fitted; none when no case is.
void GeneralView::addHotWaterTemperatures()
{
    if (hasFlag(DEVICE_CYLINDER_4)) {
        addGroup(heading(DHW_TEMPERATURE), {&dhwSet});
        addGroup(heading(MEASURED), {&dhwTop, &solarMid, &solarIn, &solarOut2});
    } else if (hasFlag(DEVICE_BOILER_4)) {
        addGroup(heading(DHW_TEMPERATURE), {&dhwSet});
        addGroup(heading(MEASURED), {&dhwTop, &dhwMidCommon, &lowerMid, &solarIn, &solarOut4});
    } else if (hasFlag(DEVICE_BOILER_2) || hasFlag(DEVICE_CYLINDER_1)) {
        addGroup(heading(DHW_TEMPERATURE), {&dhwSet, &dhwActual});
    } else if (hasFlag(DEVICE_BOILER_3) || hasFlag(DEVICE_CYLINDER_2) || hasFlag(DEVICE_CYLINDER_3) ||
               hasFlag(DEVICE_CYLINDER_5)) {
        addGroup(heading(DHW_TEMPERATURE), {&dhwSet});
        addGroup(heading(DHW_TEMPERATURE), {&dhwTop, &bottom});
    }
}
