// Feeds arbitrary 66-byte frames from the device side to the link, as task "PAR" receives
// them, against the compiled-in data-point table. Whatever the frame says, nothing may be
// read or written outside a frame or a buffer.
#include "model/dpt/DataPointTable.hpp"
#include "model/link/DeviceLink.hpp"

#include <rtos/Rtos.hpp>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace
{
rtosQueueHandle panelToDevice = nullptr;
rtosQueueHandle deviceToPanel = nullptr;
volatile std::uint32_t sink = 0;

// Handlers read their whole buffer, so an undersized one shows up.
void readAll(std::uint32_t row, const std::uint8_t* data)
{
    std::uint32_t sum = row;
    for (std::uint32_t i = 0; i < LINK_RESPONSE_BUFFER_SIZE; ++i) {
        sum += data[i];
    }
    sink = sum;
}

void setUp()
{
    panelToDevice = rtosQueueCreate(70, sizeof(DeviceFrame), QUEUE_TYPE_BASE);
    deviceToPanel = rtosQueueCreate(5, sizeof(DeviceFrame), QUEUE_TYPE_BASE);
    dptInit(dptStaticTable(), dptStaticTableSize(), dptStaticAddressOrder());
    dptSetSenders(linkTableSenders());
    linkSetTxQueue(panelToDevice);
    linkSetRxQueue(deviceToPanel);
    linkInit();
    linkSetResponseHandler(readAll);
    linkSetPeerRequestHandler(readAll);
}
} // namespace

// The first input byte steers the frame towards what the link takes apart: its low two bits
// choose the used length (as given, complete for the length byte, or the input's size),
// the next four an address (the call table's, some telling table rows, or as given).
const std::uint16_t ADDRESSES[] = {0xA280, 0xA281, 0xA051, 0xA052, 0xA053, 0xA010, 0xA054,
                                   0x00F7, 0x0810, 0x7400, 0x9000, 0xE09E, 0xEF28, 0xFF01, 0xFC70};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static bool ready = false;
    if (!ready) {
        setUp();
        ready = true;
    }
    if (size == 0) {
        return 0;
    }
    const std::uint8_t mode = data[0];
    ++data;
    --size;
    DeviceFrame frame{};
    std::memcpy(&frame, data, size < sizeof(frame) ? size : sizeof(frame));
    const std::uint32_t address = (mode >> 2) & 0x0F;
    if (address < sizeof(ADDRESSES) / sizeof(ADDRESSES[0])) {
        frame.bytes[2] = static_cast<std::uint8_t>(ADDRESSES[address] >> 8);
        frame.bytes[3] = static_cast<std::uint8_t>(ADDRESSES[address]);
    }
    switch (mode & 3) {
    case 0:
        break; // the used length as the input gives it, also beyond the frame
    case 1:
        frame.used = static_cast<std::uint16_t>(5 + frame.bytes[4]);
        break;
    default:
        frame.used = static_cast<std::uint16_t>(size);
        break;
    }
    static_cast<void>(rtosQueueSend(deviceToPanel, &frame, RTOS_NO_WAIT, QUEUE_SEND_BACK)); // emptied by every pass
    linkTaskPass(0); // receives the frame and acts on it, then turns one read request into a frame
    linkHandleFrame(frame, static_cast<std::uint32_t>(size));

    DeviceFrame sent;
    while (rtosQueueReceive(panelToDevice, &sent, RTOS_NO_WAIT, 0) == RTOS_PASS) {
        sink = sink + sent.used;
    }
    // Keep the request queue from filling up for good.
    for (int i = 0; i < 3; ++i) {
        linkTaskPass(0);
        while (rtosQueueReceive(panelToDevice, &sent, RTOS_NO_WAIT, 0) == RTOS_PASS) {
        }
    }
    return 0;
}
