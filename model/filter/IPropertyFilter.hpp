#ifndef MODEL_FILTER_IPROPERTYFILTER_HPP
#define MODEL_FILTER_IPROPERTYFILTER_HPP

#include "model/IProperty.hpp"
#include "model/filter/DataChangedEvent.hpp"

#include <stdint.h>

namespace model
{
class PropertyIterator;

// The set of properties one consumer watches: which table changes concern it, which of its
// properties they belong to, and whether anything changed since it last looked.
class IPropertyFilter
{
public:
    virtual uint32_t count() const = 0;
    // No bound check: callers stay below count().
    virtual IProperty* at(uint32_t position) const = 0;
    // Returns the changed flag and clears it.
    virtual bool takeChanged() = 0;
    virtual void clearChanged() = 0;
    virtual bool onDataChanged(const DataChangedEvent& event) = 0;
    virtual bool add(IProperty* property) = 0;
    virtual void remove(IProperty* property) = 0;
    virtual void refreshAll() = 0;
    // count() when absent.
    virtual uint32_t indexOf(IProperty* property) const = 0;
    virtual void activateAll() = 0;
    virtual void deactivateAll() = 0;
    // Named in the message that stops a program whose filter overflowed.
    virtual const char* getName() const { return "property filter"; }
    virtual ~IPropertyFilter() {}

    PropertyIterator begin();
    PropertyIterator end();
};

// A position in a filter's list. Two iterators are equal when their positions are.
class PropertyIterator
{
public:
    PropertyIterator(IPropertyFilter* filter, uint32_t position) : filter(filter), position(position) {}
    PropertyIterator(IPropertyFilter* filter, IProperty* property)
        : filter(filter), position(filter->indexOf(property))
    {
    }
    PropertyIterator(const PropertyIterator& other) = default;
    // Moves to the other's position; the filter stays.
    PropertyIterator& operator=(const PropertyIterator& other)
    {
        position = other.position;
        return *this;
    }

    IProperty* operator*() const { return filter->at(position); }
    uint32_t getPosition() const { return position; }

    // Stops at the end.
    PropertyIterator& operator++()
    {
        if (position < filter->count()) {
            ++position;
        }
        return *this;
    }
    PropertyIterator operator++(int)
    {
        PropertyIterator before = *this;
        ++*this;
        return before;
    }
    // Stops at the start.
    PropertyIterator& operator--()
    {
        if (position > 0) {
            --position;
        }
        return *this;
    }
    PropertyIterator operator--(int)
    {
        PropertyIterator before = *this;
        --*this;
        return before;
    }
    PropertyIterator operator+(uint32_t steps) const { return PropertyIterator(filter, position + steps); }

    bool operator==(const PropertyIterator& other) const { return position == other.position; }
    bool operator!=(const PropertyIterator& other) const { return position != other.position; }

private:
    IPropertyFilter* filter;
    uint32_t position;
};

inline PropertyIterator IPropertyFilter::begin()
{
    return PropertyIterator(this, 0u);
}

inline PropertyIterator IPropertyFilter::end()
{
    return PropertyIterator(this, count());
}
} // namespace model

#endif
