#ifndef TESTS_MODEL_MANAGER_STATICTABLE_HPP
#define TESTS_MODEL_MANAGER_STATICTABLE_HPP

#include "model/dpt/DataPointTable.hpp"
#include "model/filter/DataChangedEvent.hpp"
#include "model/link/DeviceLink.hpp"

#include <gtest/gtest.h>

#include <cstring>

// The compiled-in table with every value zero and no device link: writes store and call the
// change callback but send nothing, reads ask for nothing.
class StaticTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        linkSetTxQueue(nullptr);
        linkSetRxQueue(nullptr);
        dptInit(dptStaticTable(), dptStaticTableSize());
        dptSetChangeCallback(nullptr);
        zeroTable();
    }

    void TearDown() override { dptSetChangeCallback(nullptr); }

    static void zeroTable()
    {
        DpTableEntry* table = dptStaticTable();
        for (std::uint32_t index = 0; index < dptStaticTableSize(); ++index) {
            if (table[index].type >= DP_FLOAT && table[index].type <= DP_SCALED_U32) {
                static_cast<float*>(table[index].value)[0] = 0.0f; // keep the factor
            } else {
                std::memset(table[index].value, 0, dptTypeSize(table[index].type));
            }
        }
    }

    // Stores the value as the device link would; the change callback runs when it changed.
    template <typename T>
    static void store(std::uint32_t index, const T& value)
    {
        const dp_type type = dptGetType(index);
        const bool isFloat = type >= DP_FLOAT && type <= DP_SCALED_U32; // kept as a float
        ASSERT_EQ(sizeof(T), isFloat ? sizeof(float) : dptValueSize(index)) << "index " << index;
        dptSet(index, &value);
    }

    static std::uint16_t period(std::uint32_t index) { return dptStaticTable()[index].currentPeriod; }
    static bool isFast(std::uint32_t index)
    {
        const DpTableEntry& entry = dptStaticTable()[index];
        return entry.currentPeriod == entry.fastPeriod && entry.fastPeriod != entry.normalPeriod;
    }

    static model::DataChangedEvent changeOf(std::uint32_t index)
    {
        return model::DataChangedEvent(model::DataChangedEvent::VALUE_CHANGED, index);
    }
};

#endif
