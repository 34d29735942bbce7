#ifndef MODEL_DATAPOINT_HPP
#define MODEL_DATAPOINT_HPP

#include "model/IProperty.hpp"
#include "model/dpt/DataPointTable.hpp"
#include "model/filter/DataChangedEvent.hpp"
#include "model/filter/FilterMembership.hpp"
#include "model/filter/IPropertyFilter.hpp"

#include <quillon/Assert.hpp>

#include <stdint.h>
#include <string.h>
#include <type_traits>

namespace model
{
template <typename T, dp_type D, uint32_t N>
class RangeDataPoint;

// A handle on one entry of the data-point table, named by its table index.
class BaseDataPoint : public IProperty
{
public:
    // Run when the point's entry changed, on the task that stored the change. Not owned.
    class IActions
    {
    public:
        virtual void onChanged() {}
        virtual ~IActions() {}
    };

    uint32_t getKind() const override { return KIND_DATA_POINT; }
    // Reads the entry now, ahead of the regular polls.
    bool refresh() override { return dptRequestRead(index) != 0; }
    virtual ~BaseDataPoint() = 0;
    virtual uint32_t getId() const { return index; }
    virtual void setActions(IActions* newActions) { actions = newActions; }

protected:
    BaseDataPoint() : index(0), actions(nullptr) {}
    BaseDataPoint(uint32_t index, IActions* actions) : index(index), actions(actions) {}

    // Ranges bind their elements after constructing them.
    void bind(uint32_t tableIndex) { index = tableIndex; }

    uint32_t index;
    IActions* actions;
};

inline BaseDataPoint::~BaseDataPoint() {}

// A typed table entry. Plain values (dp_type 0..9) travel as their own bytes, or for the
// floats 5..9 as the 4-byte float the table keeps; records (10..36) byte for byte.
template <typename T, dp_type D>
class DataPoint : public BaseDataPoint
{
    static_assert(std::is_trivially_copyable<T>::value, "table values are copied as bytes");
    static_assert(D <= DP_HEATING_CIRCUIT_NAME && D != DP_RAW16 && D != DP_RAW9, "no data point of this type");
    static_assert(D < DP_FLOAT || D > DP_SCALED_U32 || std::is_same<T, float>::value, "types 5..9 are floats");

public:
    static constexpr bool IS_RECORD = D >= DP_TIME_POINT;

    // Unbound: index 0, for the elements of a range.
    DataPoint() : changed(0) {}
    // A single access by a bare index, outside any filter.
    explicit DataPoint(uint32_t index) : BaseDataPoint(index, nullptr), changed(0) {}
    // A member of a group or manager: lists itself in its owner.
    DataPoint(uint32_t index, IPropertyFilter* owner, IActions* actions) : BaseDataPoint(index, actions), changed(0)
    {
        QUILLON_ASSERT(owner != nullptr && "data point without owner");
        addOrStop(*owner, this);
    }

    bool isChanged() const override { return changed != 0; }
    void setChanged() override { changed = 1; }
    bool request() override { return dptRequestRead(index) != 0; }
    bool activate() override { return dptSetFastPolling(index, 1) != 0; }
    bool deactivate() override { return dptSetFastPolling(index, 0) != 0; }

    bool handleEvent(const DataChangedEvent& event) override
    {
        if (event.getIndex() != index) {
            return false;
        }
        changed = 1;
        if (actions != nullptr) {
            actions->onChanged();
        }
        return true;
    }

    // Clears the changed flag: a plain value after a successful read, a record before the
    // read (so even when it fails). An index outside the table reads as zero.
    virtual T getValue() const
    {
        if (IS_RECORD) {
            changed = 0;
        }
        uint8_t bytes[sizeof(T)] = {};
        if (dptGet(index, bytes) == 0) {
            return fromBytes(ZERO);
        }
        changed = 0;
        return fromBytes(bytes);
    }

    virtual dp_type getType() const { return D; }

    // Stores the value and sends it to the device, also when it did not change; true (and
    // changed) when the write frame was queued.
    virtual bool setValue(const T& value)
    {
        uint8_t bytes[sizeof(T)];
        toBytes(value, bytes);
        if (dptSet(index, bytes) == 0) {
            return false;
        }
        changed = 1;
        return true;
    }

    virtual operator T() const { return getValue(); }

    // The write's result is dropped.
    virtual DataPoint& operator=(const T& value)
    {
        setValue(value);
        return *this;
    }

private:
    template <typename U, dp_type E, uint32_t N>
    friend class RangeDataPoint;

    static constexpr uint8_t ZERO[sizeof(T)] = {};

    static T fromBytes(const uint8_t* bytes)
    {
        if constexpr (std::is_same<T, bool>::value) {
            return bytes[0] != 0; // any non-zero byte is true
        } else {
            T value;
            memcpy(&value, bytes, sizeof(T));
            return value;
        }
    }

    static void toBytes(const T& value, uint8_t* bytes)
    {
        if constexpr (std::is_same<T, bool>::value) {
            bytes[0] = value ? 1 : 0;
        } else {
            memcpy(bytes, &value, sizeof(T));
        }
    }

    // A byte, written whole; cleared by reads, so also from const ones.
    mutable uint8_t changed;
};
} // namespace model

#endif
