#ifndef MODEL_LINK_DEVICELINK_HPP
#define MODEL_LINK_DEVICELINK_HPP

#include "model/dpt/DataPointTable.hpp"
#include "model/link/LinkFrame.hpp"

#include <cstdint>

// The device link: 66-byte frames through two kernel queues, a request queue of device
// addresses to read and the task "PAR". Plain functions over static data.

struct rtosQueueRecord;
struct rtosTaskRecord;

constexpr std::uint32_t LINK_MAX_READ_SPAN = 50;
constexpr std::uint32_t LINK_REQUEST_QUEUE_LENGTH = 50;
constexpr std::uint32_t LINK_MIN_FREE_FOR_READS = 5; // reads leave the last slots to writes
constexpr std::uint32_t LINK_TASK_PRIORITY = 3;
constexpr std::uint16_t LINK_TASK_STACK_WORDS = 512;
constexpr std::uint32_t LINK_WAIT_TICKS = 100;

// Handler of call responses and of call requests from the device: (call row, data).
using LinkCallHandler = void (*)(std::uint32_t row, const std::uint8_t* data);

// Start-up: the queues first, then linkInit creates the request queue and task "PAR".
void linkSetTxQueue(rtosQueueRecord* panelToDevice);
void linkSetRxQueue(rtosQueueRecord* deviceToPanel);
void linkInit();
rtosTaskRecord* linkTaskHandle();
// What start-up hands the data-point table: its writes and reads go through this link.
DptSenders linkTableSenders();

// Read requests: 1 if queued, 0 when the request queue is full (or not created).
[[nodiscard]] int linkQueueRead(std::uint16_t address);
[[nodiscard]] int linkQueueReadFirst(std::uint16_t address);

// Writes and calls go straight to the front of the panel-to-device queue without waiting.
// 1 if queued; 0 without a queue, when it is full or when n does not fit a frame.
[[nodiscard]] int linkSendWrite(std::uint16_t address, const void* data, std::uint32_t n);
[[nodiscard]] int linkSendCall(std::uint16_t address, const void* data, std::uint32_t n);
[[nodiscard]] int linkCall(std::uint32_t row, const void* data);

// The senders of the call table.
[[nodiscard]] int linkCallGet(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
[[nodiscard]] int linkCallPut(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint16_t value,
                              std::int16_t extra);
[[nodiscard]] int linkCallFactorySettings(std::uint8_t b);
[[nodiscard]] int linkCallFunctionCode(std::uint8_t code);
[[nodiscard]] int linkCallFunctionCodeWithData(std::uint8_t code, const void* data, std::uint32_t n);
[[nodiscard]] int linkCallActuator();
[[nodiscard]] int linkCallSubscriberCheck(std::uint8_t b);

void linkSetResponseHandler(LinkCallHandler handler);
void linkSetPeerRequestHandler(LinkCallHandler handler);

// The steps of task "PAR", callable on their own; a pass with 0 ticks never waits.
void linkTask(void* parameter);
void linkTaskPass(std::uint32_t waitTicks);
void linkHandleFrame(const DeviceFrame& frame, std::uint32_t used);
void linkBuildReadRequest(std::uint16_t address, DeviceFrame& frame);
bool linkMergeRead(DeviceFrame& frame, std::uint16_t address, std::uint32_t size);
// Stores length data bytes entry by entry from the address on; false, storing nothing, when
// the address is not in the table.
bool linkStoreData(std::uint16_t address, const std::uint8_t* data, std::uint8_t length);
void linkAnswerRead(std::uint16_t address, std::uint8_t length);
[[nodiscard]] int linkSendBack(const DeviceFrame& frame);
[[nodiscard]] int linkSendFront(const DeviceFrame& frame);

#endif
