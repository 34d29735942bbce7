#ifndef TESTS_MODEL_MANAGER_ZEROEDSTATICTABLE_HPP
#define TESTS_MODEL_MANAGER_ZEROEDSTATICTABLE_HPP

#include "model/dpt/DataPointTable.hpp"
#include "model/filter/DataChangedEvent.hpp"
#include "model/link/DeviceLink.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

// The compiled-in table with every value zero and no device link: writes store and call the
// change callback but send nothing, reads ask for nothing. The start values come back after
// each test, for the tests of the table that run in the same program.
class ZeroedStaticTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        linkSetTxQueue(nullptr);
        linkSetRxQueue(nullptr);
        dptInit(dptStaticTable(), dptStaticTableSize());
        dptSetSenders(linkTableSenders());
        dptSetChangeCallback(nullptr);
        const DpTableEntry* table = dptStaticTable();
        startValues.clear();
        for (std::uint32_t index = 0; index < dptStaticTableSize(); ++index) {
            const std::uint8_t* bytes = static_cast<const std::uint8_t*>(table[index].value);
            startValues.emplace_back(bytes, bytes + storageSize(index));
        }
        zeroTable();
    }

    void TearDown() override
    {
        dptSetChangeCallback(nullptr);
        DpTableEntry* table = dptStaticTable();
        for (std::uint32_t index = 0; index < startValues.size(); ++index) {
            std::memcpy(table[index].value, startValues[index].data(), startValues[index].size());
        }
        dptResetPeriods();
    }

    // A float, a scaled type's float and factor, or the wire bytes.
    static std::uint32_t storageSize(std::uint32_t index)
    {
        const dp_type type = dptGetType(index);
        if (type == DP_FLOAT) {
            return sizeof(float);
        }
        return type > DP_FLOAT && type <= DP_SCALED_U32 ? 2 * sizeof(float) : dptTypeSize(type);
    }

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
        static_cast<void>(dptSet(index, &value)); // the write goes nowhere: no device link
    }

    static std::uint16_t period(std::uint32_t index) { return dptStaticTable()[index].currentPeriod; }
    static bool isFast(std::uint32_t index)
    {
        const DpTableEntry& entry = dptStaticTable()[index];
        return entry.currentPeriod == entry.fastPeriod && entry.fastPeriod != entry.normalPeriod;
    }

    std::vector<std::vector<std::uint8_t>> startValues;

    static model::DataChangedEvent changeOf(std::uint32_t index)
    {
        return model::DataChangedEvent(model::DataChangedEvent::VALUE_CHANGED, index);
    }
};

#endif
