#include "model/DataModelManager.hpp"

#include "model/dpt/DataPointTable.hpp"
#include "model/filter/SchedulerGuard.hpp"
#include "model/rpc/RPCDispatcher.hpp"
#include "model/settings/SettingsStorage.hpp"

namespace model
{
namespace
{
DataModelManager instance;
} // namespace

DataModelManager& DataModelManager::getInstance()
{
    return instance;
}

DataModelManager::DataModelManager()
    : defaultFilter("screen filter"), filters(), filterCount(0), defaultFilterEnabled(0)
{
    // Objects our members reach in their destructors must outlive us at process exit:
    // statics are destroyed in the reverse order of their construction.
    RPCDispatcher::getInstance();
    SettingsStorage::getInstance();
}

void DataModelManager::init()
{
    SettingsStorage::getInstance().init();
    deviceManager.init();
    timeManager.init();
    defaultFilter.init();
    activateFilter(&groups.common);
    dptSetChangeCallback(onTableValueChanged);
}

void DataModelManager::enableDefaultFilter()
{
    if (defaultFilterEnabled != 0) {
        return;
    }
    defaultFilter.clearChanged(); // no stale change on the screen's first poll
    defaultFilter.activateAll();
    defaultFilterEnabled = 1;
}

void DataModelManager::disableDefaultFilter()
{
    if (defaultFilterEnabled == 0) {
        return;
    }
    defaultFilter.deactivateAll();
    defaultFilterEnabled = 0;
}

bool DataModelManager::addFilter(IPropertyFilter* filter)
{
    SchedulerGuard guard;
    if (filterCount >= MAX_FILTERS) {
        return false;
    }
    activateFilter(filter);
    filters[filterCount] = filter;
    ++filterCount;
    return true;
}

void DataModelManager::removeFilter(IPropertyFilter* filter)
{
    SchedulerGuard guard;
    uint32_t position = 0;
    while (position < filterCount) {
        if (filters[position] != filter) {
            ++position;
            continue;
        }
        deactivateFilter(filter);
        const uint32_t last = filterCount - 1;
        filters[position] = filters[last];
        filters[last] = nullptr;
        --filterCount;
        // The filter moved in is examined at this position next.
    }
}

void DataModelManager::onTableValueChanged(uint32_t index)
{
    getInstance().dispatchDataChanged(DataChangedEvent(DataChangedEvent::VALUE_CHANGED, index));
}

void DataModelManager::dispatchDataChanged(const DataChangedEvent& event)
{
    bool matched = false;
    if (defaultFilterEnabled != 0) {
        matched = defaultFilter.onDataChanged(event);
    }
    const uint32_t registered = filterCount;
    for (uint32_t position = 0; position < registered; ++position) {
        filters[position]->onDataChanged(event);
    }
    groups.common.onDataChanged(event);
    deviceManager.onDataChanged(event);
    timeManager.onDataChanged(event);
    ModelListener* const bound = listener;
    if (bound != nullptr && matched) {
        bound->onModelChanged();
    }
}
} // namespace model
