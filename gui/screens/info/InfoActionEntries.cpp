#include "gui/screens/info/InfoActionEntries.hpp"

#include "gui/common/ShellPages.hpp"
#include "gui/pagemanager/HeatingCircuitParam.hpp"
#include "gui/pagemanager/IntervalSelection.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/screens/list/ListConfiguration.hpp"
#include "guicontrols/ProviderTexts.hpp"

namespace
{
const quillon::TextId LABELS[InfoActionEntries::ENTRIES] = {
    1576, // "DHW time prog 1"
    1578, // "DHW time prog 2"
    1580, // "DHW time prog 3"
    1577, // "DHW circ time prog 1"
    1579, // "DHW circ time prog 2"
    1581, // "DHW circ time prog 3"
    1367, // "Cylinder history"
    1109, // "Cylinder temperature stratification"
    1368, // "Cylinder/Collector min/max"
};
const uint32_t PROGRAMS = 3;
const uint32_t PROGRAM_ENTRIES = 6;

pagemanager::Page* targetOf(uint32_t index)
{
    switch (index) {
    case InfoActionEntries::CYLINDER_HISTORY:
        return ShellPages::page(&Pages::cylinderHistoryIntervalPage);
    case InfoActionEntries::STRATIFICATION:
        return ShellPages::page(&Pages::stratificationIntervalPage);
    default:
        return ShellPages::page(index < PROGRAMS ? &Pages::dhwTimeProgramOverviewPage
                                                       : &Pages::dhwCirculationOverviewPage);
    }
}
} // namespace

const quillon::WideChar* InfoActionEntries::label(uint32_t index)
{
    return index < ENTRIES ? guicontrols::providertexts::text(LABELS[index]) : guicontrols::providertexts::empty();
}

void InfoActionEntries::execute(pagemanager::PageManager* pageManager, uint32_t index, int32_t listMode)
{
    if (pageManager == nullptr || index == MIN_MAX) {
        return;
    }
    if (index >= ENTRIES) {
        pageManager->back();
        return;
    }
    pagemanager::Page* target = targetOf(index);
    if (target == nullptr) {
        return;
    }
    if (index < PROGRAM_ENTRIES) {
        HeatingCircuitParam param{};
        param.circuit = static_cast<uint16_t>(index % PROGRAMS);
        param.readOnly = 1;
        param.titleByNumber = listMode == LIST_MODE_INFORMATION ? 0 : 1;
        pageManager->setParam(param);
    }
    pageManager->goTo(target, false);
}

void InfoActionEntries::openMinMax(pagemanager::PageManager* pageManager)
{
    pagemanager::Page* target = ShellPages::page(&Pages::cylinderMinMaxPage);
    if (pageManager == nullptr || target == nullptr) {
        return;
    }
    pageManager->setParam(IntervalSelection{INTERVAL_7_DAYS, 0}); // view 0, the collector minimum
    pageManager->goTo(target, false);
}
