#include "model/link/DeviceLink.hpp"

#include <rtos/Rtos.hpp>

#include <cstring>

namespace
{
constexpr std::uint32_t ACTUATOR_ROW = 4;
constexpr std::uint32_t FUNCTION_CODE_ROW = 3;
constexpr std::uint32_t SUBSCRIBER_CHECK_ROW = 5;

rtosQueueHandle txQueue = nullptr;      // panel to device
rtosQueueHandle rxQueue = nullptr;      // device to panel
rtosQueueHandle requestQueue = nullptr; // device addresses waiting to be read
rtosTaskHandle linkTaskRecord = nullptr;
LinkCallHandler responseHandler = nullptr;
LinkCallHandler peerRequestHandler = nullptr;

int sendFrame(const DeviceFrame& frame, std::uint32_t position)
{
    if (!txQueue || frame.used == 0) {
        return 0;
    }
    return rtosQueueSend(txQueue, &frame, RTOS_NO_WAIT, position) == RTOS_PASS ? 1 : 0;
}

int sendDataFrame(LinkMessageKind kind, std::uint16_t address, const void* data, std::uint32_t n)
{
    if (n > LINK_MAX_DATA) {
        return 0; // no frame has room for it
    }
    DeviceFrame frame{};
    linkBuildHeader(kind, frame, address, static_cast<std::uint8_t>(n));
    frame.used = static_cast<std::uint16_t>(linkAppendData(frame, data, n));
    return linkSendFront(frame);
}

void sendHeaderOnly(LinkMessageKind kind, std::uint16_t address, std::uint8_t length)
{
    DeviceFrame frame{};
    frame.used = static_cast<std::uint16_t>(linkBuildHeader(kind, frame, address, length));
    static_cast<void>(linkSendFront(frame)); // without room the answer is dropped
}

void passCall(const DeviceFrame& frame, std::uint16_t address, std::uint8_t length, LinkCallHandler handler,
              bool response)
{
    const std::uint32_t row = linkFindCall(address);
    if (row >= LINK_CALL_COUNT || !handler) {
        return;
    }
    const std::uint32_t wanted = response ? linkCallResponseLength(row) : linkCallRequestLength(row);
    if (length < wanted) {
        return;
    }
    std::uint32_t copied = wanted;
    if (response && row == ACTUATOR_ROW) {
        copied = length; // this answer has no fixed length
    }
    if (copied > LINK_RESPONSE_BUFFER_SIZE) {
        copied = LINK_RESPONSE_BUFFER_SIZE; // the buffer's size, not the device, bounds the copy
    }
    std::uint8_t buffer[LINK_RESPONSE_BUFFER_SIZE] = {};
    std::memcpy(buffer, frame.bytes + LINK_HEADER_SIZE, copied);
    handler(row, buffer);
}
} // namespace

void linkSetTxQueue(rtosQueueRecord* panelToDevice)
{
    txQueue = panelToDevice;
}

void linkSetRxQueue(rtosQueueRecord* deviceToPanel)
{
    rxQueue = deviceToPanel;
}

void linkInit()
{
    requestQueue = rtosQueueCreate(LINK_REQUEST_QUEUE_LENGTH, sizeof(std::uint16_t), QUEUE_TYPE_BASE);
    rtosTaskCreate(linkTask, "PAR", LINK_TASK_STACK_WORDS, nullptr, LINK_TASK_PRIORITY, &linkTaskRecord, nullptr,
                   nullptr);
}

rtosTaskRecord* linkTaskHandle()
{
    return linkTaskRecord;
}

DptSenders linkTableSenders()
{
    return {linkSendWrite, linkQueueRead, linkQueueReadFirst};
}

int linkQueueRead(std::uint16_t address)
{
    return requestQueue && rtosQueueSend(requestQueue, &address, RTOS_NO_WAIT, QUEUE_SEND_BACK) == RTOS_PASS;
}

int linkQueueReadFirst(std::uint16_t address)
{
    return requestQueue && rtosQueueSend(requestQueue, &address, RTOS_NO_WAIT, QUEUE_SEND_FRONT) == RTOS_PASS;
}

int linkSendWrite(std::uint16_t address, const void* data, std::uint32_t n)
{
    return sendDataFrame(MSG_WRITE_REQUEST, address, data, n);
}

int linkSendCall(std::uint16_t address, const void* data, std::uint32_t n)
{
    return sendDataFrame(MSG_CALL_REQUEST, address, data, n);
}

int linkCall(std::uint32_t row, const void* data)
{
    if (row >= LINK_CALL_COUNT) {
        return 0;
    }
    return linkSendCall(linkCallAddress(row), data, linkCallRequestLength(row));
}

int linkCallGet(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3)
{
    const std::uint8_t data[] = {b0, b1, b2, b3};
    return linkCall(0, data);
}

int linkCallPut(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint16_t value, std::int16_t extra)
{
    const auto raw = static_cast<std::uint16_t>(extra);
    const std::uint8_t data[] = {b0,
                                 b1,
                                 b2,
                                 0x01,
                                 static_cast<std::uint8_t>(value),
                                 static_cast<std::uint8_t>(value >> 8),
                                 static_cast<std::uint8_t>(raw),
                                 static_cast<std::uint8_t>(raw >> 8)};
    return linkCall(1, data);
}

int linkCallFactorySettings(std::uint8_t b)
{
    return linkCall(2, &b);
}

int linkCallFunctionCode(std::uint8_t code)
{
    return linkCall(FUNCTION_CODE_ROW, &code);
}

int linkCallFunctionCodeWithData(std::uint8_t code, const void* data, std::uint32_t n)
{
    // The code byte and n data bytes must fit the frame's 59 data bytes.
    if (n > LINK_MAX_DATA - 1) {
        return 0;
    }
    std::uint8_t buffer[LINK_MAX_DATA];
    buffer[0] = code;
    if (n > 0) {
        std::memcpy(buffer + 1, data, n);
    }
    return linkSendCall(linkCallAddress(FUNCTION_CODE_ROW), buffer, 1 + n);
}

int linkCallActuator()
{
    return linkCall(ACTUATOR_ROW, nullptr);
}

int linkCallSubscriberCheck(std::uint8_t b)
{
    return linkSendCall(linkCallAddress(SUBSCRIBER_CHECK_ROW), &b, 1);
}

void linkSetResponseHandler(LinkCallHandler handler)
{
    responseHandler = handler;
}

void linkSetPeerRequestHandler(LinkCallHandler handler)
{
    peerRequestHandler = handler;
}

void linkTask(void*)
{
    for (;;) {
        linkTaskPass(LINK_WAIT_TICKS);
    }
}

void linkTaskPass(std::uint32_t waitTicks)
{
    bool waited = false;
    if (rxQueue) {
        DeviceFrame frame;
        waited = true;
        if (rtosQueueReceive(rxQueue, &frame, waitTicks, 0) == RTOS_PASS) {
            linkHandleFrame(frame, frame.used);
        }
    }
    // Reads leave the last free slots to writes and calls, which go to the front.
    if (txQueue && requestQueue && rtosQueueSpacesAvailable(txQueue) >= LINK_MIN_FREE_FOR_READS) {
        std::uint16_t address = 0;
        waited = true;
        if (rtosQueueReceive(requestQueue, &address, waitTicks, 0) == RTOS_PASS) {
            if (waitTicks > 0) {
                rtosTaskDelay(1); // lets neighbouring requests gather
            }
            DeviceFrame frame{};
            linkBuildReadRequest(address, frame);
            // A read that does not fit is dropped; the entry's countdown brings it back.
            static_cast<void>(linkSendBack(frame));
        }
    }
    if (!waited && waitTicks > 0) {
        rtosTaskDelay(1); // nothing to block on: do not starve the lower tasks
    }
}

void linkBuildReadRequest(std::uint16_t address, DeviceFrame& frame)
{
    frame.used = static_cast<std::uint16_t>(
        linkBuildHeader(MSG_READ_REQUEST, frame, address, static_cast<std::uint8_t>(dptValueSizeAt(address))));
    if (!requestQueue) {
        return;
    }
    const std::uint32_t waiting = rtosQueueMessagesWaiting(requestQueue);
    for (std::uint32_t i = 0; i < waiting; ++i) {
        std::uint16_t next = 0;
        if (rtosQueueReceive(requestQueue, &next, RTOS_NO_WAIT, 0) != RTOS_PASS) {
            continue;
        }
        if (!linkMergeRead(frame, next, dptValueSizeAt(next))) {
            // Its slot was freed a moment ago; should the timer have taken it since, the
            // entry's countdown brings the read back.
            static_cast<void>(rtosQueueSend(requestQueue, &next, RTOS_NO_WAIT, QUEUE_SEND_BACK));
        }
    }
}

bool linkMergeRead(DeviceFrame& frame, std::uint16_t address, std::uint32_t size)
{
    const std::int32_t a = address;
    const std::int32_t s = static_cast<std::int32_t>(size);
    const std::int32_t b = linkFrameAddress(frame, frame.used);
    const std::int32_t length = frame.bytes[4];
    const std::int32_t span = static_cast<std::int32_t>(LINK_MAX_READ_SPAN);
    std::int32_t newAddress = b;
    std::int32_t newLength = length;
    if (a > b && a - b + s <= span) {
        newLength = a + s - b > length ? a + s - b : length;
    } else if (a == b) {
        newLength = s > length ? s : length;
    } else if (a < b && b - a + length <= span) {
        newAddress = a;
        newLength = b + length - a;
    } else {
        return false;
    }
    frame.bytes[2] = static_cast<std::uint8_t>(newAddress >> 8);
    frame.bytes[3] = static_cast<std::uint8_t>(newAddress);
    frame.bytes[4] = static_cast<std::uint8_t>(newLength);
    return true;
}

void linkHandleFrame(const DeviceFrame& frame, std::uint32_t used)
{
    const LinkMessageKind kind = linkClassify(frame, used);
    const std::uint16_t address = linkFrameAddress(frame, used);
    const std::uint8_t length = linkFrameLength(frame, used);
    const bool carriesData = kind == MSG_READ_RESPONSE || kind == MSG_WRITE_REQUEST ||
                             kind == MSG_WRITE_UNCONFIRMED || kind == MSG_CALL_REQUEST || kind == MSG_CALL_RESPONSE;
    if (carriesData && used < LINK_HEADER_SIZE + length) {
        return; // incomplete
    }
    switch (kind) {
    case MSG_READ_REQUEST:
        linkAnswerRead(address, length);
        break;
    case MSG_READ_RESPONSE:
    case MSG_WRITE_UNCONFIRMED:
        linkStoreData(address, frame.bytes + LINK_HEADER_SIZE, length);
        break;
    case MSG_WRITE_REQUEST: {
        const bool stored = linkStoreData(address, frame.bytes + LINK_HEADER_SIZE, length);
        sendHeaderOnly(stored ? MSG_WRITE_ACK : MSG_WRITE_REFUSED, address, length);
        break;
    }
    case MSG_READ_REFUSED:
        dptStopPolling(address);
        break;
    case MSG_CALL_REQUEST:
        passCall(frame, address, length, peerRequestHandler, false);
        break;
    case MSG_CALL_RESPONSE:
        passCall(frame, address, length, responseHandler, true);
        break;
    default:
        break;
    }
}

bool linkStoreData(std::uint16_t address, const std::uint8_t* data, std::uint8_t length)
{
    // Each entry's address is looked up once; bytes between entries are skipped one by one.
    std::uint32_t index = dptFindAddress(address);
    if (index >= DPT_TABLE_SIZE) {
        return false;
    }
    std::int32_t remaining = length;
    if (remaining > static_cast<std::int32_t>(LINK_MAX_DATA)) {
        remaining = LINK_MAX_DATA; // never read past the frame, whatever its length byte says
    }
    std::uint32_t consumed = 0;
    do {
        consumed = dptDecodeAt(index, data, remaining);
        remaining -= static_cast<std::int32_t>(consumed);
        data += consumed;
        address = static_cast<std::uint16_t>(address + consumed);
        if (consumed > 0 && remaining > 0) {
            index = dptFindAddress(address);
        }
    } while (consumed > 0 && remaining > 0);
    return true;
}

void linkAnswerRead(std::uint16_t address, std::uint8_t length)
{
    // The answer must fit the frame's 59 data bytes, its last entry included.
    std::uint32_t index = dptFindAddress(address);
    if (index >= DPT_TABLE_SIZE || length > LINK_MAX_DATA) {
        return;
    }
    DeviceFrame frame{};
    linkBuildHeader(MSG_READ_RESPONSE, frame, address, length);
    std::uint32_t offset = 0;
    std::int32_t remaining = length;
    while (remaining > 0) {
        if (offset + dptValueSize(index) > LINK_MAX_DATA) {
            return; // the entry would run past the frame
        }
        // An address between entries is answered with one 0xFF.
        const std::uint32_t written = dptEncodeAt(index, frame.bytes + LINK_HEADER_SIZE + offset);
        if (written == 0) {
            break;
        }
        offset += written;
        remaining -= static_cast<std::int32_t>(written);
        address = static_cast<std::uint16_t>(address + written);
        index = dptFindAddress(address);
    }
    frame.used = static_cast<std::uint16_t>(LINK_HEADER_SIZE + length);
    static_cast<void>(linkSendFront(frame)); // without room the answer is dropped
}

int linkSendBack(const DeviceFrame& frame)
{
    return sendFrame(frame, QUEUE_SEND_BACK);
}

int linkSendFront(const DeviceFrame& frame)
{
    return sendFrame(frame, QUEUE_SEND_FRONT);
}
