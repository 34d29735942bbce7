#ifndef MODEL_DPT_DATAPOINTTABLE_HPP
#define MODEL_DPT_DATAPOINTTABLE_HPP

#include <cstdint>

struct rtosTimerRecord;

// The panel's copy of the device's values: one entry per device value, polled by the
// "DPT" timer and written through the device link. Plain functions over static data.

// Value type of an entry; selects its wire size and, for 5..9, the float handling.
enum dp_type : std::uint32_t
{
    DP_U8 = 0,
    DP_S8 = 1,
    DP_U16 = 2,
    DP_RAW16 = 3,
    DP_U32 = 4,
    DP_FLOAT = 5,
    DP_SCALED_U8 = 6,
    DP_SCALED_U16 = 7,
    DP_SCALED_S16 = 8,
    DP_SCALED_U32 = 9,
    DP_TIME_POINT = 10,
    DP_DATE_TIME = 11,
    DP_ALARM_BUFFER = 12,
    DP_ALARM_HISTORY = 13,
    DP_SOLAR_HISTOGRAM = 14,
    DP_SYSTEM_IDENTIFIER = 15,
    DP_RELAVO20_INFO = 16,
    DP_HC_INFO = 17,
    DP_HEATING_INFO = 18,
    DP_BOILER_INFO = 19,
    DP_SOLAR_INFO = 20,
    DP_COMMON_INFO = 21,
    DP_LON_INFO = 22,
    DP_THERMAL_OUTPUT = 23,
    DP_HC_PUMP = 24,
    DP_MAC_ADDR = 25,
    DP_LAN_PASSWORD = 26,
    DP_LAN_TEXT = 27,
    DP_RAW9 = 28,
    DP_CYLINDER_MIN_MAX = 29,
    DP_TEMPERATURE_6 = 30,
    DP_TEMPERATURE_11 = 31,
    DP_TEMPERATURE_12 = 32,
    DP_TEMPERATURE_21 = 33,
    DP_TEMPERATURE_24 = 34,
    DP_PERCENT_48 = 35,
    DP_HEATING_CIRCUIT_NAME = 36,
    DP_INVALID = 37
};

// Index 0..1015 of a table entry; the model names device values by it.
using DataPointId = std::uint16_t;

constexpr std::uint32_t DPT_TABLE_SIZE = 1016;
constexpr std::uint16_t DPT_NEVER_POLLED = 65535;
constexpr std::uint32_t DPT_POLL_PERIOD_TICKS = 1000;
constexpr std::uint32_t DPT_MAX_VALUE_SIZE = 48;

struct DpTableEntry
{
    std::uint16_t address;       // device byte address
    dp_type type;
    std::uint16_t normalPeriod;  // seconds; 65535: never polled
    std::uint16_t fastPeriod;    // seconds while a screen shows the entry
    std::uint16_t currentPeriod; // the one in force, copied into the countdown on reload
    std::int16_t countdown;      // seconds until the next read is queued
    void* value;                 // wire bytes; float for type 5; {value, factor} floats for 6..9
};

using DptChangeCallback = void (*)(std::uint32_t index);

// What the table sends through the device link; each returns 1 when the frame or request was
// queued without waiting, 0 when there was no room. Handed in at start-up, so the table
// knows no queue: without them writes are lost and reads are refused.
struct DptSenders
{
    int (*sendWrite)(std::uint16_t address, const void* data, std::uint32_t n); // ahead of all reads
    int (*queueRead)(std::uint16_t address);                                   // behind waiting reads
    int (*queueReadFirst)(std::uint16_t address);                              // ahead of them
};

// The compiled-in table, generated from model/dpt/datapoints.tsv, and its rows in ascending
// device address, the order in which dptFindAddress searches.
DpTableEntry* dptStaticTable();
std::uint16_t dptStaticTableSize();
const DataPointId* dptStaticAddressOrder();

// Stores the table, creates and starts the auto-reloading "DPT" timer, resets the periods.
// byAddress lists the rows in ascending address; without it (a table of a test) the table
// sorts its own once here.
void dptInit(DpTableEntry* table, std::uint16_t count, const DataPointId* byAddress = nullptr);
void dptSetChangeCallback(DptChangeCallback callback);
void dptSetSenders(const DptSenders& senders);

// 1 on success, 0 for an index above the table. dptGet copies the wire bytes, or the
// 4-byte float for types 5..9; dptSet stores, calls the change callback on a change and
// sends a write frame (its result is whether the frame was queued).
[[nodiscard]] int dptGet(std::uint32_t index, void* buffer);
[[nodiscard]] int dptSet(std::uint32_t index, const void* buffer);
// Fast polling is held by count: each request (fast non-zero) switches the entry to its fast
// period and has it read on the next pass; the entry returns to its normal period only when
// every request has been released (fast zero). A release without a request changes nothing.
[[nodiscard]] int dptSetFastPolling(std::uint32_t index, int fast);
[[nodiscard]] int dptRequestRead(std::uint32_t index);
// Every entry back to its normal period, all fast-polling requests forgotten.
void dptResetPeriods();
void dptStopPolling(std::uint16_t address);
bool dptHasAddress(std::uint16_t address);
std::uint32_t dptFindAddress(std::uint16_t address); // table size when absent

std::uint32_t dptValueSize(std::uint32_t index); // 1 beyond the table
std::uint32_t dptValueSizeAt(std::uint16_t address);
std::uint32_t dptTypeSize(std::uint32_t type);   // 0 for an unknown type
dp_type dptGetType(std::uint32_t index);         // DP_INVALID beyond the table
std::uint16_t dptGetAddress(std::uint32_t index); // 0 beyond the table

// Wire form of the entry at the address into out (room for DPT_MAX_VALUE_SIZE bytes);
// an unknown address writes one 0xFF. Returns the bytes written.
std::uint32_t dptEncodeRaw(std::uint16_t address, std::uint8_t* out);
// The same for an entry already found by its index; one 0xFF for an index beyond the table.
std::uint32_t dptEncodeAt(std::uint32_t index, std::uint8_t* out);
// Stores wire bytes into the entry at the address. Returns bytes consumed: 1 for an
// unknown address, 0 when fewer than the wire size are available.
std::uint32_t dptDecodeRaw(std::uint16_t address, const std::uint8_t* data, std::int32_t available);
// The same for an entry already found by its index; 1 for an index beyond the table.
std::uint32_t dptDecodeAt(std::uint32_t index, const std::uint8_t* data, std::int32_t available);

// Scaling of types 6..9; the raw value is clamped to the raw type's range.
std::int64_t dptFloatToRaw(std::uint32_t index, float value);
float dptRawToFloat(std::uint32_t index, std::int64_t raw);

// One pass of the poll timer; public so tests can drive it without the timer task.
void dptPollTimerCallback(rtosTimerRecord* timer);

#endif
