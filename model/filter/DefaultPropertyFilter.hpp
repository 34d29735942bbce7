#ifndef MODEL_FILTER_DEFAULTPROPERTYFILTER_HPP
#define MODEL_FILTER_DEFAULTPROPERTYFILTER_HPP

#include "model/filter/IPropertyFilter.hpp"
#include "model/filter/ListenerList.hpp"
#include "model/filter/Listeners.hpp"

#include <atomic>
#include <stdint.h>

namespace model
{
// The filter of every parameter group, of the device manager, the clock and the model's
// default filter.
//
// Tasks: the GUI task edits the list while the device link task may dispatch a change
// (onDataChanged) with higher priority. Every edit of the list, the index bits and the
// listeners runs with the scheduler suspended, so a dispatch never sees half an edit.
class DefaultPropertyFilter : public IPropertyFilter, public IRPCResponseListener, public ISettingChangeListener
{
public:
    static constexpr uint32_t MAX_PROPERTIES = 100;
    static constexpr uint32_t MAX_LISTENERS = 4;
    static constexpr uint32_t INDEX_BITS = 1024;

    // The name is a static text: it is only kept, never copied.
    explicit DefaultPropertyFilter(const char* name = "property filter");

    // Start-up hook; nothing to do.
    void init() {}

    uint32_t count() const override { return propertyCount; }
    IProperty* at(uint32_t position) const override { return properties[position]; }
    bool takeChanged() override { return changed.exchange(0) != 0; }
    void clearChanged() override { changed = 0; }
    // Offers the change to every property that claims it; listeners hear of it once, with
    // the position of the first claimer.
    bool onDataChanged(const DataChangedEvent& event) override;
    // False on a full filter. No duplicate check, no activation.
    bool add(IProperty* property) override;
    // Deactivates every occurrence this filter activated and unmarks its indexes; the last
    // entry takes the freed place, so order is not kept.
    void remove(IProperty* property) override;
    void refreshAll() override;
    uint32_t indexOf(IProperty* property) const override;
    // Fast polling is counted per table entry, and one property may sit in several filters:
    // each filter deactivates only what it activated itself, and activates it once.
    void activateAll() override;
    void deactivateAll() override;
    const char* getName() const override { return name; }

    // Adds the properties from first up to, not including, last.
    bool addRange(PropertyIterator first, PropertyIterator last);
    // Deactivates, unsubscribes and forgets every property; the listeners stay.
    void removeAll();

    // A fifth listener is ignored.
    void addListener(IDataChangedListener* listener);
    void removeListener(IDataChangedListener* listener);
    void notifyListeners(uint32_t position);
    uint32_t listenerTotal() const { return listeners.size(); }

    void onRPCResponse(uint32_t functionIndex, const uint8_t* response) override;
    void onSettingChanged(uint32_t settingId) override;

    void clearIndexBits();
    void setIndexBit(uint32_t index);
    void clearIndexBit(uint32_t index);
    bool isIndexBitSet(uint32_t index) const;

private:
    static constexpr uint32_t BITS_PER_WORD = 32;

    // Without the scheduler guard; callers hold it.
    void addUnguarded(IProperty* property);
    void markIndexes(IProperty* property, bool watch);
    void unsubscribe(IProperty* property);

    const char* name;
    uint32_t propertyCount;
    IProperty* properties[MAX_PROPERTIES];
    bool activated[MAX_PROPERTIES]; // by this filter, per position
    // Set by the dispatching task, taken by the GUI task.
    std::atomic<uint8_t> changed;
    uint32_t indexBits[INDEX_BITS / BITS_PER_WORD];
    uint32_t subscribedCount;
    ListenerList<IDataChangedListener, MAX_LISTENERS> listeners;
};
} // namespace model

#endif
