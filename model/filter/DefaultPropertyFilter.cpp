#include "model/filter/DefaultPropertyFilter.hpp"

#include "model/DataPoint.hpp"
#include "model/RangeDataPoint.hpp"
#include "model/filter/SchedulerGuard.hpp"

namespace model
{
static_assert(DefaultPropertyFilter::INDEX_BITS >= DPT_TABLE_SIZE, "a filter's index bits cover every table row");

DefaultPropertyFilter::DefaultPropertyFilter(const char* name)
    : name(name), propertyCount(0), properties(), activated(), changed(0), indexBits(), subscribedCount(0), listeners()
{
}

bool DefaultPropertyFilter::onDataChanged(const DataChangedEvent& event)
{
    if (propertyCount == 0 || event.getType() != DataChangedEvent::VALUE_CHANGED) {
        return false;
    }
    if (!isIndexBitSet(event.getIndex())) {
        return false;
    }
    // Every property is asked: two properties on one index (the members of a group that
    // read different parts of one record) must both learn of the change.
    bool claimed = false;
    uint32_t firstClaimer = 0;
    for (uint32_t position = 0; position < propertyCount; ++position) {
        if (properties[position]->handleEvent(event) && !claimed) {
            claimed = true;
            firstClaimer = position;
        }
    }
    if (!claimed) {
        return false;
    }
    changed = 1;
    if (listeners.size() != 0) {
        notifyListeners(firstClaimer);
    }
    return true;
}

bool DefaultPropertyFilter::add(IProperty* property)
{
    SchedulerGuard guard;
    if (property == nullptr || propertyCount >= MAX_PROPERTIES) {
        return false;
    }
    addUnguarded(property);
    return true;
}

void DefaultPropertyFilter::addUnguarded(IProperty* property)
{
    activated[propertyCount] = false;
    properties[propertyCount++] = property;
    switch (property->getKind()) {
    case IProperty::KIND_DATA_POINT:
    case IProperty::KIND_RANGE:
        markIndexes(property, true);
        break;
    case IProperty::KIND_FUNCTION_CALL:
        static_cast<IRPCResponseSource*>(property)->addListener(this);
        ++subscribedCount;
        break;
    case IProperty::KIND_SETTING:
        static_cast<ISettingChangeSource*>(property)->addListener(this);
        ++subscribedCount;
        break;
    default:
        break;
    }
}

void DefaultPropertyFilter::markIndexes(IProperty* property, bool watch)
{
    if (property->getKind() == IProperty::KIND_DATA_POINT) {
        const uint32_t index = static_cast<BaseDataPoint*>(property)->getId();
        watch ? setIndexBit(index) : clearIndexBit(index);
        return;
    }
    const BaseRangeDataPoint* range = static_cast<BaseRangeDataPoint*>(property);
    const uint32_t elements = range->getCount();
    for (uint32_t element = 0; element < elements; ++element) {
        const uint32_t index = range->getElementId(element);
        watch ? setIndexBit(index) : clearIndexBit(index);
    }
}

void DefaultPropertyFilter::unsubscribe(IProperty* property)
{
    if (property->getKind() == IProperty::KIND_FUNCTION_CALL) {
        static_cast<IRPCResponseSource*>(property)->removeListener(this);
        --subscribedCount;
    } else if (property->getKind() == IProperty::KIND_SETTING) {
        static_cast<ISettingChangeSource*>(property)->removeListener(this);
        --subscribedCount;
    }
}

void DefaultPropertyFilter::remove(IProperty* property)
{
    SchedulerGuard guard;
    for (uint32_t position = 0; position < propertyCount; ++position) {
        if (properties[position] != property) {
            continue;
        }
        if (activated[position]) {
            property->deactivate();
        }
        const uint32_t last = propertyCount - 1;
        properties[position] = properties[last];
        activated[position] = activated[last];
        properties[last] = nullptr;
        activated[last] = false;
        --propertyCount;
        // Another property on the same index stops hearing of it until it is added again.
        const uint32_t kind = property->getKind();
        if (kind == IProperty::KIND_DATA_POINT || kind == IProperty::KIND_RANGE) {
            markIndexes(property, false);
        } else {
            unsubscribe(property);
        }
    }
}

void DefaultPropertyFilter::removeAll()
{
    SchedulerGuard guard;
    deactivateAll();
    for (uint32_t position = 0; subscribedCount != 0 && position < propertyCount; ++position) {
        unsubscribe(properties[position]);
    }
    for (uint32_t position = 0; position < propertyCount; ++position) {
        properties[position] = nullptr;
    }
    propertyCount = 0;
    subscribedCount = 0;
    clearIndexBits();
    clearChanged();
}

bool DefaultPropertyFilter::addRange(PropertyIterator first, PropertyIterator last)
{
    SchedulerGuard guard;
    bool allAdded = true;
    while (first != last) {
        PropertyIterator next = first;
        ++next;
        if (next == first) {
            break; // the source list ended before last
        }
        allAdded = add(*first) && allAdded;
        first = next;
    }
    return allAdded;
}

void DefaultPropertyFilter::refreshAll()
{
    for (uint32_t position = 0; position < propertyCount; ++position) {
        properties[position]->refresh();
    }
}

uint32_t DefaultPropertyFilter::indexOf(IProperty* property) const
{
    for (uint32_t position = 0; position < propertyCount; ++position) {
        if (properties[position] == property) {
            return position;
        }
    }
    return propertyCount;
}

void DefaultPropertyFilter::activateAll()
{
    for (uint32_t position = 0; position < propertyCount; ++position) {
        if (!activated[position]) {
            properties[position]->activate();
            activated[position] = true;
        }
    }
}

void DefaultPropertyFilter::deactivateAll()
{
    for (uint32_t position = 0; position < propertyCount; ++position) {
        if (activated[position]) {
            properties[position]->deactivate();
            activated[position] = false;
        }
    }
}

void DefaultPropertyFilter::addListener(IDataChangedListener* listener)
{
    SchedulerGuard guard;
    listeners.add(listener);
}

void DefaultPropertyFilter::removeListener(IDataChangedListener* listener)
{
    SchedulerGuard guard;
    listeners.remove(listener);
}

void DefaultPropertyFilter::notifyListeners(uint32_t position)
{
    for (uint32_t i = 0; i < listeners.size(); ++i) {
        if (listeners[i] != nullptr) {
            listeners[i]->onPropertyChanged(this, position);
        }
    }
}

void DefaultPropertyFilter::onRPCResponse(uint32_t, const uint8_t*)
{
    changed = 1;
}

void DefaultPropertyFilter::onSettingChanged(uint32_t)
{
    changed = 1;
}

void DefaultPropertyFilter::clearIndexBits()
{
    for (uint32_t& word : indexBits) {
        word = 0;
    }
}

void DefaultPropertyFilter::setIndexBit(uint32_t index)
{
    if (index < INDEX_BITS) {
        indexBits[index / BITS_PER_WORD] |= 1u << (index % BITS_PER_WORD);
    }
}

void DefaultPropertyFilter::clearIndexBit(uint32_t index)
{
    if (index < INDEX_BITS) {
        indexBits[index / BITS_PER_WORD] &= ~(1u << (index % BITS_PER_WORD));
    }
}

bool DefaultPropertyFilter::isIndexBitSet(uint32_t index) const
{
    return index < INDEX_BITS && (indexBits[index / BITS_PER_WORD] & (1u << (index % BITS_PER_WORD))) != 0;
}
} // namespace model
