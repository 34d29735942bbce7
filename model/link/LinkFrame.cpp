#include "model/link/LinkFrame.hpp"

#include <cstring>

namespace
{
struct CallRow
{
    std::uint16_t address;
    std::uint8_t requestLength;
    std::uint8_t responseLength;
};

const CallRow CALLS[LINK_CALL_COUNT] = {
    {0xA280, 4, 18}, {0xA281, 8, 18}, {0xA051, 1, 1}, {0xA052, 1, 0},
    {0xA053, 0, 1},  {0xA010, 0, 4},  {0xA054, 1, 0},
};

struct KindCode
{
    std::uint8_t service;
    std::uint8_t function;
};

const KindCode KIND_CODES[MSG_INVALID] = {
    {0, 1}, {1, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}, {3, 1}, {0, 7}, {1, 7},
};
} // namespace

std::uint16_t linkCallAddress(std::uint32_t row)
{
    return row < LINK_CALL_COUNT ? CALLS[row].address : 0;
}

std::uint8_t linkCallRequestLength(std::uint32_t row)
{
    return row < LINK_CALL_COUNT ? CALLS[row].requestLength : 0;
}

std::uint8_t linkCallResponseLength(std::uint32_t row)
{
    return row < LINK_CALL_COUNT ? CALLS[row].responseLength : 0;
}

std::uint32_t linkFindCall(std::uint16_t address)
{
    for (std::uint32_t row = 0; row < LINK_CALL_COUNT; ++row) {
        if (CALLS[row].address == address) {
            return row;
        }
    }
    return LINK_CALL_COUNT;
}

LinkMessageKind linkClassify(const DeviceFrame& frame, std::uint32_t used)
{
    // A used length beyond the frame would let the length byte reach past it.
    if (used < LINK_HEADER_SIZE || used > LINK_FRAME_BYTES || (frame.bytes[0] & 0xF0) != 0) {
        return MSG_INVALID;
    }
    const std::uint8_t service = frame.bytes[0] & 0x0F;
    const std::uint8_t function = frame.bytes[1] & 0x1F;
    for (std::uint32_t kind = 0; kind < MSG_INVALID; ++kind) {
        if (KIND_CODES[kind].service == service && KIND_CODES[kind].function == function) {
            return static_cast<LinkMessageKind>(kind);
        }
    }
    return MSG_INVALID;
}

std::uint32_t linkBuildHeader(LinkMessageKind kind, DeviceFrame& frame, std::uint16_t address, std::uint8_t length)
{
    const bool known = kind < MSG_INVALID;
    frame.bytes[0] = known ? KIND_CODES[kind].service : 0;
    frame.bytes[1] = known ? KIND_CODES[kind].function : 0;
    frame.bytes[2] = static_cast<std::uint8_t>(address >> 8);
    frame.bytes[3] = static_cast<std::uint8_t>(address);
    if (known) {
        frame.bytes[4] = length;
    }
    return LINK_HEADER_SIZE;
}

std::uint32_t linkAppendData(DeviceFrame& frame, const void* data, std::uint32_t n)
{
    if (n > LINK_MAX_DATA) {
        n = LINK_MAX_DATA;
    }
    if (n > 0) {
        std::memcpy(frame.bytes + LINK_HEADER_SIZE, data, n);
    }
    return LINK_HEADER_SIZE + n;
}

std::uint16_t linkFrameAddress(const DeviceFrame& frame, std::uint32_t used)
{
    if (used < LINK_HEADER_SIZE) {
        return 0;
    }
    return static_cast<std::uint16_t>(frame.bytes[2] << 8 | frame.bytes[3]);
}

std::uint8_t linkFrameLength(const DeviceFrame& frame, std::uint32_t used)
{
    return used < LINK_HEADER_SIZE ? 0 : frame.bytes[4];
}

std::uint32_t linkHeaderSize()
{
    return LINK_HEADER_SIZE;
}

