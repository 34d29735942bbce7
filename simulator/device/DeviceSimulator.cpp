#include "simulator/device/DeviceSimulator.hpp"

#include "model/dpt/DataPointTable.hpp"
#include "simulator/device/DeviceModel.hpp"
#include "simulator/device/SeedTables.hpp"

#include <rtos/Rtos.hpp>

#include <cstring>

rtosTaskHandle simTaskHandle = nullptr; // kept for debugging; nothing reads it

namespace
{
rtosQueueHandle panelToDevice = nullptr;
rtosQueueHandle deviceToPanel = nullptr;
std::uint32_t passCounter = 0;

constexpr std::uint32_t TICKS_PER_SECOND = 1000;

void sendModelAnswer(void*, const DeviceFrame& frame)
{
    simSendToPanel(frame);
}

DeviceModel deviceModel(sendModelAnswer, nullptr);
std::uint32_t modelTickMark = 0; // the kernel tick up to which the model has been stepped

constexpr std::uint32_t PASS_STEP = 100;
constexpr std::uint32_t PASS_WRAP = 9999;
constexpr std::uint32_t BURST_EVERY = 1000;

// The synthetic read responses, kept between bursts and changed in place.
enum SyntheticFrame : std::uint32_t
{
    TEMPERATURES_21,
    TEMPERATURES_11,
    BYTE_A, // 0xE098
    BYTE_B, // 0xE099
    BYTE_C, // 0xE097
    BYTE_D, // 0xE09A
};
constexpr std::uint32_t SENDING_ORDER[SIM_SYNTHETIC_FRAMES] = {TEMPERATURES_21, TEMPERATURES_11, BYTE_A,
                                                               BYTE_B,          BYTE_D,          BYTE_C};

DeviceFrame synthetic[SIM_SYNTHETIC_FRAMES];
bool syntheticReady = false;
std::int32_t swing = 100;
bool swingRising = true;

void setValue16(DeviceFrame& frame, std::uint32_t position, std::int32_t value)
{
    frame.bytes[LINK_HEADER_SIZE + 2 * position] = static_cast<std::uint8_t>(value);
    frame.bytes[LINK_HEADER_SIZE + 2 * position + 1] = static_cast<std::uint8_t>(value >> 8);
}

void initSyntheticFrame(DeviceFrame& frame, std::uint16_t address, std::uint8_t length, std::int32_t fill)
{
    frame = DeviceFrame{};
    linkBuildHeader(MSG_READ_RESPONSE, frame, address, length);
    frame.used = static_cast<std::uint16_t>(LINK_HEADER_SIZE + length);
    if (length > 1) {
        for (std::uint32_t i = 0; i < length / 2u; ++i) {
            setValue16(frame, i, fill);
        }
    }
}

void ensureSyntheticFrames()
{
    if (syntheticReady) {
        return;
    }
    initSyntheticFrame(synthetic[TEMPERATURES_21], 0xE09E, 42, 200);
    initSyntheticFrame(synthetic[TEMPERATURES_11], 0xE05A, 22, 200);
    initSyntheticFrame(synthetic[BYTE_A], 0xE098, 1, 0);
    initSyntheticFrame(synthetic[BYTE_B], 0xE099, 1, 0);
    initSyntheticFrame(synthetic[BYTE_C], 0xE097, 1, 0);
    initSyntheticFrame(synthetic[BYTE_D], 0xE09A, 1, 0);
    syntheticReady = true;
}

// A charge state: 50 degrees count as full, hotter water stays at 100 %.
std::uint8_t percentOf500(std::int32_t v)
{
    const std::int32_t percent = v * 100 / 500;
    return static_cast<std::uint8_t>(percent > 100 ? 100 : percent);
}
} // namespace

std::int32_t simStart()
{
    panelToDevice = rtosQueueCreate(SIM_PANEL_TO_DEVICE_LENGTH, sizeof(DeviceFrame), QUEUE_TYPE_BASE);
    deviceToPanel = rtosQueueCreate(SIM_DEVICE_TO_PANEL_LENGTH, sizeof(DeviceFrame), QUEUE_TYPE_BASE);
    return rtosTaskCreate(simTask, "SC", SIM_TASK_STACK_WORDS, nullptr, SIM_TASK_PRIORITY, &simTaskHandle, nullptr,
                          nullptr);
}

rtosQueueRecord* simGetPanelToDeviceQueue()
{
    return panelToDevice;
}

rtosQueueRecord* simGetDeviceToPanelQueue()
{
    return deviceToPanel;
}

void simTask(void*)
{
    simSeedTable();
    deviceModel.start();
    modelTickMark = rtosGetTickCount();
    passCounter = 0;
    for (;;) {
        simTaskPass(SIM_WAIT_TICKS);
    }
}

void simTaskPass(std::uint32_t waitTicks)
{
    DeviceFrame frame;
    if (panelToDevice && rtosQueueReceive(panelToDevice, &frame, waitTicks, 0) == RTOS_PASS) {
        simAnswerFrame(frame);
    }
    simStepDeviceModel(rtosGetTickCount());
    if (simAdvancePassCounter()) {
        simSyntheticTick();
    }
}

bool simAdvancePassCounter()
{
    passCounter += PASS_STEP;
    if (passCounter > PASS_WRAP) {
        passCounter = 0;
    }
    return passCounter % BURST_EVERY == 0;
}

void simSeedTable()
{
    // dptSet takes at most a 48-byte value; float values need their alignment.
    alignas(4) std::uint8_t value[DPT_MAX_VALUE_SIZE];
    for (const SimSeedTable& table : simSeedTables) {
        const std::uint32_t recordSize = SIM_SEED_INDEX_SIZE + table.valueSize;
        for (std::uint32_t r = 0; r < table.count; ++r) {
            const unsigned char* record = table.records + r * recordSize;
            std::uint32_t index = 0;
            for (std::uint32_t b = 0; b < SIM_SEED_INDEX_SIZE; ++b) {
                index |= static_cast<std::uint32_t>(record[b]) << (8 * b);
            }
            std::memcpy(value, record + SIM_SEED_INDEX_SIZE, table.valueSize);
            // The write frames to ourselves beyond the queue's room are dropped: the values
            // are in the table already, which is all the seeding is for.
            static_cast<void>(dptSet(index, value));
        }
    }
}

void simStepDeviceModel(std::uint32_t tickNow)
{
    const std::uint32_t seconds = (tickNow - modelTickMark) / TICKS_PER_SECOND;
    modelTickMark += seconds * TICKS_PER_SECOND;
    deviceModel.advance(seconds);
}

void simAnswerFrame(const DeviceFrame& frame)
{
    if (deviceModel.receive(frame)) {
        return;
    }
    for (const SimCannedRecord& record : simCannedTable) {
        if (std::memcmp(frame.bytes, record.request, record.compareLength) == 0) {
            simSendToPanel(record.response);
            return;
        }
    }
}

void simSendToPanel(const DeviceFrame& frame)
{
    if (deviceToPanel) {
        static_cast<void>(rtosQueueSend(deviceToPanel, &frame, RTOS_MAX_DELAY, QUEUE_SEND_BACK)); // waits for room
    }
}

void simSyntheticTick()
{
    simSendSyntheticFrames();
}

void simBuildSyntheticFrames()
{
    ensureSyntheticFrames();
    std::int32_t v = 250 + swing;
    for (std::uint32_t i = 0; i <= 20; ++i) {
        setValue16(synthetic[TEMPERATURES_21], i, v);
        if (i == 0) {
            synthetic[BYTE_A].bytes[LINK_HEADER_SIZE] = percentOf500(v);
        } else if (i == 11) {
            synthetic[BYTE_B].bytes[LINK_HEADER_SIZE] = percentOf500(v);
            synthetic[BYTE_C].bytes[LINK_HEADER_SIZE] = percentOf500(v);
        } else if (i == 20) {
            synthetic[BYTE_D].bytes[LINK_HEADER_SIZE] = percentOf500(v);
        }
        v -= 15;
    }
    // The 11-value frame takes every second value; its last keeps the initial 200.
    for (std::uint32_t i = 0; i < 10; ++i) {
        std::memcpy(&synthetic[TEMPERATURES_11].bytes[LINK_HEADER_SIZE + 2 * i],
                    &synthetic[TEMPERATURES_21].bytes[LINK_HEADER_SIZE + 4 * i], 2);
    }
    if (swingRising) {
        if (swing > 550) {
            swingRising = false;
        } else {
            swing += 5;
        }
    } else {
        if (swing < 100) {
            swingRising = true;
        } else {
            swing -= 5;
        }
    }
}

void simSendSyntheticFrames()
{
    simBuildSyntheticFrames();
    for (std::uint32_t frame : SENDING_ORDER) {
        simSendToPanel(synthetic[frame]);
    }
}

const DeviceFrame& simSyntheticFrame(std::uint32_t sendingOrder)
{
    ensureSyntheticFrames();
    return synthetic[SENDING_ORDER[sendingOrder < SIM_SYNTHETIC_FRAMES ? sendingOrder : 0]];
}
