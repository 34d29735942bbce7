#ifndef MODEL_LINK_LINKFRAME_HPP
#define MODEL_LINK_LINKFRAME_HPP

#include <cstdint>

// The 66-byte frame of the device link, its message kinds and the table of device calls.

constexpr std::uint32_t LINK_FRAME_BYTES = 64;
constexpr std::uint32_t LINK_HEADER_SIZE = 5;
constexpr std::uint32_t LINK_MAX_DATA = LINK_FRAME_BYTES - LINK_HEADER_SIZE; // 59
constexpr std::uint32_t LINK_RESPONSE_BUFFER_SIZE = 36;
constexpr std::uint32_t LINK_CALL_COUNT = 7; // also "no such call"

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

#endif
