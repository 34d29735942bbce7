#ifndef SIMULATOR_DEVICE_DEVICESIMULATOR_HPP
#define SIMULATOR_DEVICE_DEVICESIMULATOR_HPP

#include "model/link/DeviceLink.hpp"

#include <cstdint>

// Task "SC" plays the boiler at the other end of the device link: it owns both frame
// queues, seeds the data-point table, answers a few function calls with canned frames
// and sends a burst of six read responses on every tenth pass.

constexpr std::uint32_t SIM_PANEL_TO_DEVICE_LENGTH = 70;
constexpr std::uint32_t SIM_DEVICE_TO_PANEL_LENGTH = 5;
constexpr std::uint32_t SIM_TASK_PRIORITY = 6;
constexpr std::uint16_t SIM_TASK_STACK_WORDS = 256;
constexpr std::uint32_t SIM_WAIT_TICKS = 100;
constexpr std::uint32_t SIM_CANNED_COUNT = 13;
constexpr std::uint32_t SIM_SYNTHETIC_FRAMES = 6;

// A canned answer: the first compareLength bytes of a received frame select response.
struct SimCannedRecord
{
    std::uint8_t request[64];
    std::uint16_t compareLength;
    DeviceFrame response;
};
static_assert(sizeof(SimCannedRecord) == 132, "canned records keep their 132-byte layout");

extern const SimCannedRecord simCannedTable[SIM_CANNED_COUNT];

// Creates both queues and task "SC"; returns the task creation's result.
std::int32_t simStart();
rtosQueueRecord* simGetPanelToDeviceQueue();
rtosQueueRecord* simGetDeviceToPanelQueue();

void simTask(void* parameter);
// One pass of the task's loop: wait for a frame, answer it, count, maybe send the burst.
void simTaskPass(std::uint32_t waitTicks);
void simSeedTable();
// The device model first (its addresses), then the canned answers.
void simAnswerFrame(const DeviceFrame& frame);
// Lets the device model's time catch up with the kernel's, in whole seconds.
void simStepDeviceModel(std::uint32_t tickNow);
// Waits for room as long as needed.
void simSendToPanel(const DeviceFrame& frame);

// Advances the pass counter by 100 (wrapping after 9999); true when a burst is due.
bool simAdvancePassCounter();
void simSyntheticTick();
void simBuildSyntheticFrames(); // steps the values and the swing
void simSendSyntheticFrames();  // builds, then sends the six frames
// The synthetic frames in sending order: 21 values, 11 values, 0xE098, 0xE099, 0xE09A, 0xE097.
const DeviceFrame& simSyntheticFrame(std::uint32_t sendingOrder);

#endif
