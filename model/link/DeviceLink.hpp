#ifndef MODEL_LINK_DEVICELINK_HPP
#define MODEL_LINK_DEVICELINK_HPP

#include <cstdint>

// The device link: 66-byte frames through two kernel queues, a request queue of device
// addresses to read and the task "PAR". Plain functions over static data.

struct rtosQueueRecord;
struct rtosTaskRecord;

constexpr std::uint32_t LINK_FRAME_BYTES = 64;
constexpr std::uint32_t LINK_HEADER_SIZE = 5;
constexpr std::uint32_t LINK_MAX_DATA = LINK_FRAME_BYTES - LINK_HEADER_SIZE; // 59
constexpr std::uint32_t LINK_MAX_READ_SPAN = 50;
constexpr std::uint32_t LINK_REQUEST_QUEUE_LENGTH = 50;
constexpr std::uint32_t LINK_RESPONSE_BUFFER_SIZE = 36;
constexpr std::uint32_t LINK_CALL_COUNT = 7;       // also "no such call"
constexpr std::uint32_t LINK_MIN_FREE_FOR_READS = 5; // reads leave the last slots to writes
constexpr std::uint32_t LINK_TASK_PRIORITY = 3;
constexpr std::uint16_t LINK_TASK_STACK_WORDS = 512;
constexpr std::uint32_t LINK_WAIT_TICKS = 100;

// The item of both frame queues: header and data in bytes 0..63, then the used length.
//   0: service (low nibble), 1: function (low 5 bits), 2-3: address (big-endian),
//   4: length, 5..63: data, 64-65: bytes of 0..63 in use (processor byte order).
struct DeviceFrame
{
    std::uint8_t bytes[LINK_FRAME_BYTES];
    std::uint16_t used;
};
static_assert(sizeof(DeviceFrame) == 66, "a device frame is 66 bytes on the wire queues");

enum LinkMessageKind : std::uint32_t
{
    MSG_READ_REQUEST = 0,
    MSG_READ_RESPONSE = 1,
    MSG_WRITE_REQUEST = 2,
    MSG_WRITE_ACK = 3,
    MSG_WRITE_UNCONFIRMED = 4,
    MSG_WRITE_REFUSED = 5,
    MSG_READ_REFUSED = 6,
    MSG_CALL_REQUEST = 7,
    MSG_CALL_RESPONSE = 8,
    MSG_INVALID = 9
};

// Handler of call responses and of call requests from the device: (call row, data).
using LinkCallHandler = void (*)(std::uint32_t row, const std::uint8_t* data);

// Start-up: the queues first, then linkInit creates the request queue and task "PAR".
void linkSetTxQueue(rtosQueueRecord* panelToDevice);
void linkSetRxQueue(rtosQueueRecord* deviceToPanel);
void linkInit();
rtosTaskRecord* linkTaskHandle();

// Read requests: 1 if queued, 0 when the request queue is full (or not created).
int linkQueueRead(std::uint16_t address);
int linkQueueReadFirst(std::uint16_t address);

// Writes and calls go straight to the front of the panel-to-device queue without waiting.
// 1 if queued; 0 without a queue, when it is full or when n does not fit a frame.
int linkSendWrite(std::uint16_t address, const void* data, std::uint32_t n);
int linkSendCall(std::uint16_t address, const void* data, std::uint32_t n);
int linkCall(std::uint32_t row, const void* data);

// The senders of the call table.
int linkCallGet(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
int linkCallPut(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint16_t value, std::int16_t extra);
int linkCallFactorySettings(std::uint8_t b);
int linkCallFunctionCode(std::uint8_t code);
int linkCallFunctionCodeWithData(std::uint8_t code, const void* data, std::uint32_t n);
int linkCallActuator();
int linkCallSubscriberCheck(std::uint8_t b);

void linkSetResponseHandler(LinkCallHandler handler);
void linkSetPeerRequestHandler(LinkCallHandler handler);

// The call table; 0 for a row above 6, linkFindCall gives 7 for an unknown address.
std::uint16_t linkCallAddress(std::uint32_t row);
std::uint8_t linkCallRequestLength(std::uint32_t row);
std::uint8_t linkCallResponseLength(std::uint32_t row);
std::uint32_t linkFindCall(std::uint16_t address);

// Frame operations. Builders return the bytes in use so far (the header is 5).
LinkMessageKind linkClassify(const DeviceFrame& frame, std::uint32_t used);
std::uint32_t linkBuildHeader(LinkMessageKind kind, DeviceFrame& frame, std::uint16_t address, std::uint8_t length);
std::uint32_t linkAppendData(DeviceFrame& frame, const void* data, std::uint32_t n);
std::uint16_t linkFrameAddress(const DeviceFrame& frame, std::uint32_t used);
std::uint8_t linkFrameLength(const DeviceFrame& frame, std::uint32_t used);
std::uint32_t linkHeaderSize();

// The steps of task "PAR", callable on their own.
void linkTask(void* parameter);
void linkTaskPass(std::uint32_t waitTicks);
void linkHandleFrame(const DeviceFrame& frame, std::uint32_t used);
void linkBuildReadRequest(std::uint16_t address, DeviceFrame& frame);
bool linkMergeRead(DeviceFrame& frame, std::uint16_t address, std::uint32_t size);
void linkStoreData(const DeviceFrame& frame);
void linkAnswerRead(std::uint16_t address, std::uint8_t length);
int linkSendBack(const DeviceFrame& frame);
int linkSendFront(const DeviceFrame& frame);

#endif
