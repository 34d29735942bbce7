#include "gui/screens/infocircuit/ListChoice.hpp"

#include "gui/pagemanager/ListPageSetting.hpp"
#include "gui/pagemanager/OverviewState.hpp"
#include "gui/pagemanager/PageManager.hpp"

namespace
{
const uint32_t STATUS_VIEW = 2;
const uint8_t CIRCUITS = 3;

// Only three circuits have data points: any other index would read past their series.
uint8_t circuitOrFirst(uint32_t index)
{
    return index < CIRCUITS ? static_cast<uint8_t>(index) : 0;
}
} // namespace

ListChoice listChoiceOfPage(pagemanager::PageManager* pageManager, OverviewUse overview)
{
    ListChoice choice = {LIST_MODE_INFORMATION, 0, false};
    if (pageManager == nullptr) {
        return choice;
    }
    const OverviewState* state =
        overview == OverviewUse::StatusFromOverview ? pageManager->getParam<OverviewState>(nullptr) : nullptr;
    if (state != nullptr && state->view == STATUS_VIEW) {
        return ListChoice{LIST_MODE_STATUS, circuitOrFirst(state->detail), true};
    }
    pagemanager::Page* page = pageManager->getCurrentPage();
    const ListPageSetting* setting = page != nullptr ? page->getPointer<const ListPageSetting>() : nullptr;
    if (setting == nullptr) {
        return choice;
    }
    choice.mode = setting->diagnosis != 0 ? LIST_MODE_DIAGNOSIS : LIST_MODE_INFORMATION;
    choice.circuit = circuitOrFirst(setting->circuitIndex);
    choice.titled = true;
    return choice;
}
