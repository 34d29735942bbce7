#include "gui/screens/infocircuit/HCxView.hpp"

#include "gui/common/ShellPages.hpp"
#include "gui/common/WideLiteral.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/shell/ShellContext.hpp"

namespace
{
using quillon::TextId;
using quillon::WideChar;
using guicontrols::providertexts::text;

const TextId FIRST_CIRCUIT_TEXT = 964; // "Heating circuit 1", 2 and 3 follow
const TextId TIME_PROGRAM = 1189;
const uint8_t BULLET = 1;
const uint8_t PLAIN = 0;
const uint32_t GROUP_LINE = 1;
const uint8_t EXTERNAL_SETPOINT_BIT = 0x08;
const uint32_t NAME_UNITS = 2 * 21 + 1;

const WideChar* const EMPTY = guicontrols::providertexts::empty();

// The title is shown as a format in which "%%" is one "%": a name's own "%" is doubled so
// that it shows as typed.
void doublePercents(WideChar* destination, uint32_t capacity, const WideChar* name)
{
    uint32_t out = 0;
    for (uint32_t in = 0; name[in] != 0 && out + 2 < capacity; ++in) {
        destination[out++] = name[in];
        if (name[in] == '%') {
            destination[out++] = '%';
        }
    }
    destination[out] = 0;
}
} // namespace

HCxView::HCxView() : HCxView(listChoiceOfPage(ShellContext::current().pageManager, OverviewUse::StatusFromOverview))
{
}

HCxView::HCxView(const ListChoice& choice)
    : ModeListView<HCxPresenter>(choice), circuit(choice.circuit), titled(choice.titled), timeProgramItem(0u)
{
}

void HCxView::beforeSetupScreen()
{
    if (titled) {
        formatCircuitTitle();
    }
}

// Information is titled by the circuit's own name where the user gave one.
void HCxView::formatCircuitTitle()
{
    WideChar name[NAME_UNITS];
    name[0] = 0;
    if (mode == LIST_MODE_INFORMATION) {
        doublePercents(name, NAME_UNITS, presenter->circuitName(circuit));
    }
    formatTitle(name[0] != 0 ? name : text(static_cast<TextId>(FIRST_CIRCUIT_TEXT + circuit)));
}

void HCxView::bindProviders()
{
    model::HCGroup& hc = presenter->circuits();
    const uint8_t c = circuit;
    programHeading.setTexts(text(1278), EMPTY, PLAIN);
    screedDrying.setTexts(text(1289), EMPTY, BULLET);
    externalHookUp.setTexts(text(1294), EMPTY, BULLET);
    holidayActive.setTexts(text(938), EMPTY, BULLET);
    comfortActive.setTexts(text(1196), EMPTY, BULLET);
    economyActive.setTexts(text(1103), EMPTY, BULLET);
    operatingProgram.set(&hc.operatingProgram[c], 0, PLAIN);
    operatingStatus.set(&hc.heatingInfo[c], text(1279), 0, PLAIN);
    roomHeading.setTexts(text(1351), EMPTY, PLAIN);
    roomActual.set(&hc.circuitTemperature[c], text(1351), wide(u"%.1f°C"), 1.0f, BULLET, 1, 0);
    roomSet.set(&hc.roomSetpoint[c], text(1070), wide(u"%d°C"), 1.0f, BULLET, 0, 0);
    reducedSet.set(&hc.reducedRoomSetpoint[c], text(1352), wide(u"%d°C"), 1.0f, PLAIN, 0, 0);
    externalSet.set(&hc.externalRoomSetpoint[c], text(1291), wide(u"%d°C"), 1.0f, PLAIN, 0, 0);
    comfortSet.set(&hc.comfortTemperature[c], text(1014), wide(u"%d°C"), 1.0f, PLAIN, 0, 0);
    reducedSetBulleted.set(&hc.reducedRoomSetpoint[c], text(1352), wide(u"%d°C"), 1.0f, BULLET, 0, 0);
    externalSetBulleted.set(&hc.externalRoomSetpoint[c], text(1291), wide(u"%d°C"), 1.0f, BULLET, 0, 0);
    comfortSetBulleted.set(&hc.comfortTemperature[c], text(1014), wide(u"%d°C"), 1.0f, BULLET, 0, 0);
    setMarker.setTexts(text(1366), EMPTY, PLAIN);
    actualMarker.setTexts(text(1325), EMPTY, PLAIN);
    slope.set(&hc.curveSlope[c], text(1342), wide(u"%.1f"), 1.0f, PLAIN, 1, 0);
    level.set(&hc.curveLevel[c], text(1343), wide(u"%.0f K"), 1.0f, PLAIN, 1, 0);
    pump.set(&hc.hcInfo[c], text(1317), 4, PLAIN);
    mixer.set(&hc.hcInfo[c], text(1338), 10, PLAIN);
    supplyHeading.setTexts(text(1155), EMPTY, PLAIN);
    supplySet.set(&hc.hcInfo[c], text(1583), 1, BULLET);
    supplyActual.set(&hc.hcInfo[c], text(1584), 0, BULLET);
    holidayHeading.setTexts(text(938), EMPTY, PLAIN);
    leavingDate.set(&hc.holidayStart[c], text(1260), 0, BULLET);
    returnDate.set(&hc.holidayEnd[c], text(1075), 0, BULLET);
    timeProgramItem.setProvider(this, 0);
}

bool HCxView::hasExternalSetpoint()
{
    return (presenter->circuits().hcInfo[circuit].getValue().bytes[0] & EXTERNAL_SETPOINT_BIT) != 0;
}

bool HCxView::hasRemoteControl()
{
    return presenter->circuits().roomTemperatureLines[circuit].getValue() != 0;
}

void HCxView::addProgramLines()
{
    model::HCGroup& hc = presenter->circuits();
    addLine(&programHeading, GROUP_LINE);
    struct ActiveFunction
    {
        guicontrols::SimpleTextProvider* line;
        bool active;
    };
    const ActiveFunction functions[] = {
        {&screedDrying, hc.screedDrying[circuit].getValue() != 0},
        {&externalHookUp, hc.externalHookUp[circuit].getValue() != 0},
        {&holidayActive, (hc.holidayState[circuit].getValue() & 0x01) != 0},
        {&comfortActive, hc.comfortMode[circuit].getValue() != 0},
        {&economyActive, hc.economyMode[circuit].getValue() != 0},
    };
    for (const ActiveFunction& function : functions) {
        if (function.active) {
            addSubLine(function.line, GROUP_LINE);
        }
    }
    addSubLine(&operatingProgram);
    addLine(&operatingStatus);
    listControl.add(&timeProgramItem);
    addLine(&roomHeading, GROUP_LINE);
}

void HCxView::addCurvePumpAndMixer()
{
    addLine(&slope);
    addLine(&level);
    addLine(&pump);
    if (hasMixer()) {
        addLine(&mixer);
    }
}

void HCxView::addSupplyLines(Supply supply)
{
    // The first circuit has no mixer and so no supply temperature of its own.
    if (!hasMixer()) {
        return;
    }
    addLine(&supplyHeading, GROUP_LINE);
    if (supply == Supply::WithSetpoint) {
        addSubLine(&supplySet, GROUP_LINE);
    }
    addSubLine(&supplyActual);
}

void HCxView::addHolidayLines()
{
    addLine(&holidayHeading, GROUP_LINE);
    addSubLine(&leavingDate, GROUP_LINE);
    addSubLine(&returnDate);
}

void HCxView::buildList(Supply supply)
{
    beginList();
    addProgramLines();
    if (hasRemoteControl()) {
        addSubLine(&roomActual, GROUP_LINE);
    }
    addSubLine(&roomSet);
    addLine(&reducedSet);
    if (hasExternalSetpoint()) {
        addLine(&externalSet);
    }
    addLine(&comfortSet);
    addCurvePumpAndMixer();
    addSupplyLines(supply);
    addHolidayLines();
    endList();
}

void HCxView::configureStatus()
{
    beginList();
    addProgramLines();
    addSubLine(&setMarker, GROUP_LINE);
    addSubLine(&roomSet, GROUP_LINE);
    addSubLine(&reducedSetBulleted, GROUP_LINE);
    if (hasExternalSetpoint()) {
        addSubLine(&externalSetBulleted, GROUP_LINE);
    }
    if (hasRemoteControl()) {
        addSubLine(&actualMarker, GROUP_LINE);
        addSubLine(&roomActual, GROUP_LINE);
    }
    addSubLine(&comfortSetBulleted);
    addCurvePumpAndMixer();
    addSupplyLines(Supply::WithSetpoint);
    addHolidayLines();
    endList();
}

const quillon::WideChar* HCxView::getText(uint32_t)
{
    return text(TIME_PROGRAM);
}

void HCxView::execute(uint32_t)
{
    pagemanager::Page* overview = ShellPages::page(&Pages::heatingTimeProgramOverviewPage);
    if (pageManager == nullptr || overview == nullptr) {
        return;
    }
    HeatingCircuitParam param = {};
    param.circuit = circuit;
    param.readOnly = 1;
    param.titleByNumber = mode == LIST_MODE_INFORMATION ? 0 : 1;
    pageManager->setParam(param);
    pageManager->goTo(overview, false);
}
