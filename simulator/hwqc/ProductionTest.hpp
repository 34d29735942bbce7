#ifndef SIMULATOR_HWQC_PRODUCTIONTEST_HPP
#define SIMULATOR_HWQC_PRODUCTIONTEST_HPP

#include <cstdint>

struct rtosTaskRecord;

// The production test: a test station on the serial line sends framed commands
// ('>', command, payload) or the single bytes ENQ and EOT; task "HWQC" runs each command
// and answers with one result byte. Chosen once at start-up, in place of the GUI task.

constexpr std::uint8_t HWQC_ENQUIRY = 0x05;
constexpr std::uint8_t HWQC_END_OF_TRANSMISSION = 0x04;
constexpr std::uint8_t HWQC_FRAME_START = '>';
constexpr std::uint16_t HWQC_RECEIVE_SIZE = 20;
constexpr std::uint32_t HWQC_PAYLOAD_SIZE = 6;
constexpr std::uint32_t HWQC_QUEUE_LENGTH = 2;
constexpr std::uint32_t HWQC_COMMAND_COUNT = 15;
constexpr std::uint32_t HWQC_TASK_PRIORITY = 2;
constexpr std::uint16_t HWQC_TASK_STACK_WORDS = 1024;
constexpr std::uint32_t HWQC_WAIT_TICKS = 100;
constexpr std::uint16_t HWQC_SCREEN_WIDTH = 800;
constexpr std::uint16_t HWQC_SCREEN_HEIGHT = 480;

constexpr std::uint8_t HWQC_OK = 0;
constexpr std::uint8_t HWQC_FAILED = 1;

// One command for the task: its table row and the bytes after the command byte.
struct HwqcMessage
{
    std::uint8_t row;
    std::uint8_t payload[HWQC_PAYLOAD_SIZE];
};
static_assert(sizeof(HwqcMessage) == 7, "a production-test message is 7 bytes");

using HwqcHandler = std::uint8_t (*)(const std::uint8_t* payload);

struct HwqcCommand
{
    std::uint8_t command;
    std::uint8_t payloadLength;
    HwqcHandler handler;
};

extern const HwqcCommand hwqcCommandTable[HWQC_COMMAND_COUNT];

// Where answers go and where drawing commands draw: the board's serial line and frame
// buffer unless a line is plugged in (a real serial line, or a test station).
struct HwqcLine
{
    void (*send)(std::uint8_t byte);
    std::uint16_t* (*frameBuffer)(); // 800 x 480 RGB565, or none
};
void hwqcSetLine(const HwqcLine* line); // none: the board's again

void hwqcInit();
// The serial line's byte handler (interrupt side).
void hwqcReceiveByte(std::uint8_t byte);
// The start-up decision: true when the test station has asked for the test.
bool hwqcIsRequested();
// Production-test mode for good: the message queue and task "HWQC". Returns the task creation's result.
std::int32_t hwqcStart();
rtosTaskRecord* hwqcTaskHandle();

void hwqcTask(void* parameter);
// One pass of the task: wait for a message, run its command, answer. False when none came.
bool hwqcTaskPass(std::uint32_t waitTicks);
void hwqcSendAnswer(std::uint8_t result);
std::uint16_t* hwqcFrameBuffer();
std::uint8_t hwqcVariant();

// Command handlers; each returns the answer byte.
std::uint8_t hwqcEnquiry(const std::uint8_t* payload);
std::uint8_t hwqcEndOfTransmission(const std::uint8_t* payload);
std::uint8_t hwqcFillScreen(const std::uint8_t* payload);
std::uint8_t hwqcTestPattern(const std::uint8_t* payload);
std::uint8_t hwqcSetPixel(const std::uint8_t* payload);
std::uint8_t hwqcCommand40(const std::uint8_t* payload);
std::uint8_t hwqcCommand41(const std::uint8_t* payload);
std::uint8_t hwqcSetBrightness(const std::uint8_t* payload);
std::uint8_t hwqcBuzzer(const std::uint8_t* payload);
std::uint8_t hwqcCommand60(const std::uint8_t* payload);
std::uint8_t hwqcCommand61(const std::uint8_t* payload);
std::uint8_t hwqcSetVariant(const std::uint8_t* payload);
std::uint8_t hwqcSetClock(const std::uint8_t* payload);
std::uint8_t hwqcCheckClock(const std::uint8_t* payload);
std::uint8_t hwqcMeasure(const std::uint8_t* payload);

#endif
