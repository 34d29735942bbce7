#include "model/dpt/DataPointTable.hpp"

#include "model/dpt/WireSizes.hpp"

#include <quillon/Assert.hpp>
#include <rtos/Rtos.hpp>

#include <cmath>
#include <cstring>

namespace
{
DpTableEntry* table = nullptr;
std::uint16_t tableCount = 0;
DptChangeCallback changeCallback = nullptr;
DptSenders senders = {nullptr, nullptr, nullptr};
rtosTimerHandle pollTimer = nullptr;

// Rows in ascending address: the static table's generated order, or one sorted at init.
const DataPointId* byAddress = nullptr;
DataPointId ownOrder[DPT_TABLE_SIZE];

// Fast-polling requests per row; a row is fast while any is held.
constexpr std::uint16_t MAX_FAST_HOLDS = 0xFFFF;
std::uint16_t fastHolds[DPT_TABLE_SIZE];

// Insertion sort: a test's handful of rows, or a table that is nearly in order already.
const DataPointId* sortByAddress(const DpTableEntry* rows, std::uint16_t count)
{
    for (std::uint16_t i = 0; i < count; ++i) {
        DataPointId row = i;
        std::uint16_t position = i;
        while (position > 0 && rows[ownOrder[position - 1]].address > rows[row].address) {
            ownOrder[position] = ownOrder[position - 1];
            --position;
        }
        ownOrder[position] = row;
    }
    return ownOrder;
}

bool ascendsByAddress(const DpTableEntry* rows, const DataPointId* order, std::uint16_t count)
{
    for (std::uint16_t i = 0; i < count; ++i) {
        if (order[i] >= count || (i > 0 && rows[order[i - 1]].address >= rows[order[i]].address)) {
            return false;
        }
    }
    return true;
}

bool isFloatType(dp_type type)
{
    return type >= DP_FLOAT && type <= DP_SCALED_U32;
}

bool isScaledType(dp_type type)
{
    return type >= DP_SCALED_U8 && type <= DP_SCALED_U32;
}

float* floatStorage(const DpTableEntry& entry)
{
    return static_cast<float*>(entry.value);
}

void storeLittleEndian(std::uint8_t* out, std::uint64_t value, std::uint32_t size)
{
    for (std::uint32_t i = 0; i < size; ++i) {
        out[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint64_t loadLittleEndian(const std::uint8_t* data, std::uint32_t size)
{
    std::uint64_t value = 0;
    for (std::uint32_t i = 0; i < size; ++i) {
        value |= static_cast<std::uint64_t>(data[i]) << (8 * i);
    }
    return value;
}

// The next two run inside the critical section; they return whether the value changed.
bool storeFloat(const DpTableEntry& entry, float value)
{
    if (value == floatStorage(entry)[0]) {
        return false;
    }
    floatStorage(entry)[0] = value;
    return true;
}

bool storeBytes(const DpTableEntry& entry, const void* data, std::uint32_t size)
{
    if (std::memcmp(entry.value, data, size) == 0) {
        return false;
    }
    std::memcpy(entry.value, data, size);
    return true;
}

void notifyChange(std::uint32_t index, bool changed)
{
    const DptChangeCallback callback = changeCallback;
    if (changed && callback) {
        callback(index);
    }
}
} // namespace

void dptInit(DpTableEntry* newTable, std::uint16_t count, const DataPointId* order)
{
    table = newTable;
    tableCount = count > DPT_TABLE_SIZE ? DPT_TABLE_SIZE : count;
    byAddress = order ? order : sortByAddress(table, tableCount);
    // A search over rows out of order would find the wrong rows without a sound.
    QUILLON_ASSERT(ascendsByAddress(table, byAddress, tableCount) && "data-point table: address order broken");
    // One timer for the program's life, also when a test hands in another table.
    if (!pollTimer) {
        pollTimer = rtosTimerCreate("DPT", DPT_POLL_PERIOD_TICKS, 1, 0, dptPollTimerCallback);
        if (pollTimer) {
            static_cast<void>(rtosTimerStart(pollTimer, 0)); // the command queue is empty at start-up
        }
    }
    dptResetPeriods();
}

void dptSetChangeCallback(DptChangeCallback callback)
{
    changeCallback = callback;
}

void dptSetSenders(const DptSenders& newSenders)
{
    senders = newSenders;
}

std::uint32_t dptTypeSize(std::uint32_t type)
{
    return dpWireSize(type);
}

std::uint32_t dptValueSize(std::uint32_t index)
{
    return dptTypeSize(dptGetType(index));
}

std::uint32_t dptValueSizeAt(std::uint16_t address)
{
    return dptValueSize(dptFindAddress(address));
}

dp_type dptGetType(std::uint32_t index)
{
    return index < tableCount ? table[index].type : DP_INVALID;
}

std::uint16_t dptGetAddress(std::uint32_t index)
{
    return index < tableCount ? table[index].address : 0;
}

std::uint32_t dptFindAddress(std::uint16_t address)
{
    std::uint32_t low = 0;
    std::uint32_t high = tableCount;
    while (low < high) {
        const std::uint32_t middle = (low + high) / 2;
        if (table[byAddress[middle]].address < address) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    if (low < tableCount && table[byAddress[low]].address == address) {
        return byAddress[low];
    }
    return DPT_TABLE_SIZE;
}

bool dptHasAddress(std::uint16_t address)
{
    return dptFindAddress(address) < tableCount;
}

int dptGet(std::uint32_t index, void* buffer)
{
    if (index >= tableCount) {
        return 0;
    }
    const DpTableEntry& entry = table[index];
    const std::uint32_t size = isFloatType(entry.type) ? sizeof(float) : dptTypeSize(entry.type);
    portEnterCritical();
    std::memcpy(buffer, entry.value, size);
    portExitCritical();
    return 1;
}

int dptSet(std::uint32_t index, const void* buffer)
{
    if (index >= tableCount) {
        return 0;
    }
    DpTableEntry& entry = table[index];
    const std::uint32_t size = dptTypeSize(entry.type);
    portEnterCritical();
    bool changed = false;
    if (isFloatType(entry.type)) {
        float value = 0.0f;
        std::memcpy(&value, buffer, sizeof(value));
        changed = storeFloat(entry, value);
    } else {
        changed = storeBytes(entry, buffer, size);
    }
    entry.countdown = 1; // read back on the second pass
    portExitCritical();

    notifyChange(index, changed);

    std::uint8_t data[DPT_MAX_VALUE_SIZE];
    if (isScaledType(entry.type)) {
        dptEncodeRaw(entry.address, data);
    } else {
        std::memcpy(data, buffer, size);
    }
    return senders.sendWrite ? senders.sendWrite(entry.address, data, size) : 0;
}

int dptSetFastPolling(std::uint32_t index, int fast)
{
    if (index >= tableCount) {
        return 0;
    }
    DpTableEntry& entry = table[index];
    std::uint16_t& holds = fastHolds[index];
    if (fast) {
        // Every request reads at once: a screen coming up wants its values now, also when
        // another holder keeps the entry fast already.
        if (holds < MAX_FAST_HOLDS) {
            ++holds;
        }
        entry.currentPeriod = entry.fastPeriod;
        entry.countdown = 0;
    } else if (holds > 0 && --holds == 0) {
        entry.currentPeriod = entry.normalPeriod;
    }
    return 1;
}

int dptRequestRead(std::uint32_t index)
{
    if (index >= tableCount) {
        return 0;
    }
    return senders.queueReadFirst ? senders.queueReadFirst(table[index].address) : 0;
}

void dptResetPeriods()
{
    for (std::uint32_t i = 0; i < tableCount; ++i) {
        table[i].currentPeriod = table[i].normalPeriod;
        fastHolds[i] = 0;
    }
}

void dptStopPolling(std::uint16_t address)
{
    const std::uint32_t index = dptFindAddress(address);
    if (index < tableCount) {
        table[index].currentPeriod = DPT_NEVER_POLLED;
    }
}

std::int64_t dptFloatToRaw(std::uint32_t index, float value)
{
    const dp_type type = dptGetType(index);
    if (!isScaledType(type)) {
        return 0;
    }
    const float factor = floatStorage(table[index])[1];
    // Halves go away from zero; the quotient is held as a float as the device expects.
    const float quotient = static_cast<float>(std::round(static_cast<double>(value) / static_cast<double>(factor)));
    if (std::isnan(quotient)) {
        return 0;
    }
    // A value beyond the raw type's range is clamped: converting it would be undefined.
    double low = 0.0;
    double high = 0.0;
    switch (type) {
    case DP_SCALED_U8:
        high = 255.0;
        break;
    case DP_SCALED_U16:
        high = 65535.0;
        break;
    case DP_SCALED_S16:
        low = -32768.0;
        high = 32767.0;
        break;
    default:
        high = 4294967295.0;
        break;
    }
    const double clamped = std::fmin(std::fmax(static_cast<double>(quotient), low), high);
    return static_cast<std::int64_t>(clamped);
}

float dptRawToFloat(std::uint32_t index, std::int64_t raw)
{
    if (!isScaledType(dptGetType(index))) {
        return 0.0f;
    }
    return static_cast<float>(raw) * floatStorage(table[index])[1];
}

std::uint32_t dptEncodeRaw(std::uint16_t address, std::uint8_t* out)
{
    return dptEncodeAt(dptFindAddress(address), out);
}

std::uint32_t dptEncodeAt(std::uint32_t index, std::uint8_t* out)
{
    if (index >= tableCount) {
        out[0] = 0xFF;
        return 1;
    }
    const DpTableEntry& entry = table[index];
    const std::uint32_t size = dptTypeSize(entry.type);
    if (isScaledType(entry.type)) {
        const std::int64_t raw = dptFloatToRaw(index, floatStorage(entry)[0]);
        storeLittleEndian(out, static_cast<std::uint64_t>(raw), size);
    } else {
        std::memcpy(out, entry.value, size);
    }
    return size;
}

std::uint32_t dptDecodeRaw(std::uint16_t address, const std::uint8_t* data, std::int32_t available)
{
    return dptDecodeAt(dptFindAddress(address), data, available);
}

std::uint32_t dptDecodeAt(std::uint32_t index, const std::uint8_t* data, std::int32_t available)
{
    if (index >= tableCount) {
        return 1;
    }
    DpTableEntry& entry = table[index];
    const std::uint32_t size = dptTypeSize(entry.type);
    if (available < static_cast<std::int32_t>(size)) {
        return 0;
    }
    bool changed = false;
    if (isScaledType(entry.type)) {
        std::uint64_t bits = loadLittleEndian(data, size);
        std::int64_t raw = static_cast<std::int64_t>(bits);
        if (entry.type == DP_SCALED_S16) {
            raw = static_cast<std::int16_t>(bits);
        }
        const float value = dptRawToFloat(index, raw);
        portEnterCritical();
        changed = storeFloat(entry, value);
    } else {
        portEnterCritical();
        changed = storeBytes(entry, data, size);
    }
    entry.countdown = static_cast<std::int16_t>(entry.currentPeriod);
    portExitCritical();
    notifyChange(index, changed);
    return size;
}

void dptPollTimerCallback(rtosTimerRecord*)
{
    for (std::uint32_t i = 0; i < tableCount; ++i) {
        DpTableEntry& entry = table[i];
        if (entry.normalPeriod == DPT_NEVER_POLLED || entry.currentPeriod == DPT_NEVER_POLLED) {
            continue;
        }
        const std::int16_t remembered = entry.countdown;
        // A read the full request queue keeps refusing waits at -1 instead of wrapping.
        entry.countdown = remembered > -1 ? static_cast<std::int16_t>(remembered - 1) : -1;
        if (remembered <= 0 && senders.queueRead && senders.queueRead(entry.address)) {
            entry.countdown = static_cast<std::int16_t>(entry.currentPeriod);
        }
    }
}
