#ifndef MODEL_DATAMODELMANAGER_HPP
#define MODEL_DATAMODELMANAGER_HPP

#include "model/ModelListener.hpp"
#include "model/ParameterGroups.hpp"
#include "model/devices/DeviceManager.hpp"
#include "model/filter/DefaultPropertyFilter.hpp"
#include "model/time/TimeManager.hpp"

#include <atomic>
#include <stdint.h>

namespace model
{
// The application's model: one static object through which every presenter reaches the
// device values, function calls and settings, the device and clock managers and the
// filter of the current screen. The single receiver of the table's change callback, which
// it offers, in this order, to the current screen's filter, the further filters, the common
// group, the device manager and the clock.
//
// Tasks: filters are switched and bound on the GUI task; a dispatch runs on the task that
// changed the table. Edits of the filter list keep other tasks from running meanwhile.
class DataModelManager : public Model
{
public:
    static constexpr uint32_t MAX_FILTERS = 5;

    static DataModelManager& getInstance();

    DataModelManager();
    DataModelManager(const DataModelManager&) = delete;
    DataModelManager& operator=(const DataModelManager&) = delete;
    virtual ~DataModelManager() {}

    // Start-up, once the table and the device link run: settings, device manager, clock,
    // the common group watched for good, then the change callback.
    void init();

    ParameterGroups& getGroups() { return groups; }
    DeviceManager& getDeviceManager() { return deviceManager; }
    TimeManager& getTimeManager() { return timeManager; }
    DefaultPropertyFilter& getDefaultFilter() { return defaultFilter; }

    // Each a no-op when the filter already is in that state.
    void enableDefaultFilter();
    void disableDefaultFilter();
    bool isDefaultFilterEnabled() const { return defaultFilterEnabled != 0; }

    // Activates and keeps the filter; false when five are registered.
    bool addFilter(IPropertyFilter* filter);
    // Every registration of it; the last registered takes the freed place.
    void removeFilter(IPropertyFilter* filter);
    uint32_t getFilterCount() const { return filterCount; }
    // The registered filter at the position, below getFilterCount().
    IPropertyFilter* getFilter(uint32_t position) const { return filters[position]; }
    void activateFilter(IPropertyFilter* filter) { filter->activateAll(); }
    void deactivateFilter(IPropertyFilter* filter) { filter->deactivateAll(); }

    // The table's change callback.
    static void onTableValueChanged(uint32_t index);
    void dispatchDataChanged(const DataChangedEvent& event);

private:
    ParameterGroups groups;
    DeviceManager deviceManager;
    TimeManager timeManager;
    DefaultPropertyFilter defaultFilter;
    IPropertyFilter* filters[MAX_FILTERS];
    std::atomic<uint32_t> filterCount;
    std::atomic<uint8_t> defaultFilterEnabled;
};
} // namespace model

#endif
