#ifndef MODEL_RANGEDATAPOINT_HPP
#define MODEL_RANGEDATAPOINT_HPP

#include "model/DataPoint.hpp"

#include <stdint.h>

namespace model
{
// A series of data points watched, activated and polled as one property. The range itself
// is bound to no table entry: its own index stays 0 and its actions null.
class BaseRangeDataPoint : public BaseDataPoint
{
public:
    uint32_t getKind() const override { return KIND_RANGE; }
    virtual uint32_t getElementId(uint32_t element) const = 0;
    virtual uint32_t getCount() const = 0;
};

template <typename T, dp_type D, uint32_t N>
class RangeDataPoint : public BaseRangeDataPoint
{
    static_assert(N > 0, "a range has elements");

public:
    using Element = DataPoint<T, D>;

    // Element i on table index first + i.
    RangeDataPoint(IPropertyFilter* owner, uint32_t first)
    {
        for (uint32_t i = 0; i < N; ++i) {
            elements[i].bind(first + i);
        }
        listIn(owner);
    }

    // Element i on the i-th index given; exactly N of them, in any order.
    template <typename... Indexes>
    RangeDataPoint(IPropertyFilter* owner, uint32_t index0, uint32_t index1, Indexes... more)
    {
        static_assert(sizeof...(more) + 2 == N, "one index per element");
        const uint32_t indexes[N] = {index0, index1, static_cast<uint32_t>(more)...};
        for (uint32_t i = 0; i < N; ++i) {
            elements[i].bind(indexes[i]);
        }
        listIn(owner);
    }

    // Changed while any element has an unread change.
    bool isChanged() const override
    {
        for (const Element& element : elements) {
            if (element.isChanged()) {
                return true;
            }
        }
        return false;
    }

    void setChanged() override
    {
        for (Element& element : elements) {
            element.setChanged();
        }
    }

    // The next three stop at the first element that fails.
    bool request() override { return untilOneFails(&Element::request); }
    bool activate() override { return untilOneFails(&Element::activate); }
    bool deactivate() override { return untilOneFails(&Element::deactivate); }

    // Every element is asked; two elements on one index both take the change.
    bool handleEvent(const DataChangedEvent& event) override
    {
        bool claimed = false;
        for (Element& element : elements) {
            claimed = element.handleEvent(event) || claimed;
        }
        return claimed;
    }

    bool refresh() override
    {
        bool allQueued = true;
        for (Element& element : elements) {
            allQueued = element.refresh() && allQueued;
        }
        return allQueued;
    }

    uint32_t getElementId(uint32_t element) const override { return elements[element].getId(); }
    uint32_t getCount() const override { return N; }

    // No bound check: callers loop below getCount().
    virtual Element& at(uint32_t element) { return elements[element]; }
    virtual Element& operator[](uint32_t element) { return at(element); }
    const Element& at(uint32_t element) const { return elements[element]; }

private:
    bool untilOneFails(bool (Element::*call)())
    {
        for (Element& element : elements) {
            if (!(element.*call)()) {
                return false;
            }
        }
        return true;
    }

    void listIn(IPropertyFilter* owner)
    {
        QUILLON_ASSERT(owner != nullptr && "range without owner");
        addOrStop(*owner, this);
    }

    Element elements[N];
};
} // namespace model

#endif
