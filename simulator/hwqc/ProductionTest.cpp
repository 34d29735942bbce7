#include "simulator/hwqc/ProductionTest.hpp"

#include "simulator/board/Board.hpp"

#include <rtos/Rtos.hpp>

#include <cstring>

namespace
{
constexpr std::uint8_t MODE_NORMAL = 0;
constexpr std::uint8_t MODE_PRODUCTION_TEST = 1;
constexpr std::int32_t NO_ROW = -1;

// The byte assembler; written on the interrupt side only.
std::uint8_t mode = MODE_NORMAL;
std::uint8_t received[HWQC_RECEIVE_SIZE];
std::uint16_t count = 0;
std::int32_t commandRow = NO_ROW;

rtosQueueHandle messages = nullptr;
rtosTaskHandle task = nullptr;

const HwqcLine boardLine = {boardSerialSend, boardGetFrameBuffer};
const HwqcLine* line = &boardLine;

void endFrame()
{
    count = 0;
    commandRow = NO_ROW;
}

void postFromInterrupt(const HwqcMessage& message)
{
    if (messages == nullptr) {
        return;
    }
    int32_t switchNeeded = 0;
    // A full queue drops the message.
    static_cast<void>(rtosQueueSendFromInterrupt(messages, &message, &switchNeeded, QUEUE_SEND_BACK));
    if (switchNeeded != 0) {
        portYield();
    }
}

void postRow(std::uint8_t row)
{
    HwqcMessage message;
    std::memset(&message, 0, sizeof(message));
    message.row = row;
    postFromInterrupt(message);
}

std::int32_t findCommand(std::uint8_t command)
{
    for (std::uint32_t row = 0; row < HWQC_COMMAND_COUNT; row++) {
        if (hwqcCommandTable[row].command == command) {
            return static_cast<std::int32_t>(row);
        }
    }
    return NO_ROW;
}
} // namespace

void hwqcSetLine(const HwqcLine* newLine)
{
    line = newLine != nullptr ? newLine : &boardLine;
}

void hwqcSendAnswer(std::uint8_t result)
{
    line->send(result);
}

std::uint16_t* hwqcFrameBuffer()
{
    return line->frameBuffer();
}

void hwqcInit()
{
    mode = MODE_NORMAL;
    endFrame();
    std::memset(received, 0, sizeof(received));
    boardSerialInit();
    boardSerialSetReceiveHandler(hwqcReceiveByte);
}

void hwqcReceiveByte(std::uint8_t byte)
{
    received[count] = byte;
    if (mode != MODE_PRODUCTION_TEST) {
        // Kept for the start-up decision.
        count = static_cast<std::uint16_t>((count + 1) % HWQC_RECEIVE_SIZE);
        return;
    }
    if (count == 0) {
        if (byte == HWQC_ENQUIRY || byte == HWQC_END_OF_TRANSMISSION) {
            postRow(byte == HWQC_ENQUIRY ? 0 : 1);
            endFrame();
            return;
        }
        if (byte != HWQC_FRAME_START) {
            endFrame(); // a stray byte
            return;
        }
    } else if (count == 1 && commandRow == NO_ROW) {
        commandRow = findCommand(byte);
        if (commandRow == NO_ROW) {
            endFrame();
            return;
        }
    }
    // The payload is complete when it has the command's length: at once for none.
    if (commandRow != NO_ROW && count >= 1 &&
        static_cast<std::uint32_t>(count - 1) == hwqcCommandTable[commandRow].payloadLength) {
        HwqcMessage message;
        message.row = static_cast<std::uint8_t>(commandRow);
        std::memcpy(message.payload, &received[2], HWQC_PAYLOAD_SIZE);
        postFromInterrupt(message);
        endFrame();
        return;
    }
    count++;
    if (count >= HWQC_RECEIVE_SIZE) {
        count = 0;
    }
}

bool hwqcIsRequested()
{
    if (mode == MODE_PRODUCTION_TEST) {
        return true;
    }
    if (count >= 1 && (received[0] == HWQC_ENQUIRY || received[1] == HWQC_ENQUIRY || received[2] == HWQC_ENQUIRY)) {
        count = 0;
        return true;
    }
    boardSerialClose();
    return false;
}

std::int32_t hwqcStart()
{
    mode = MODE_PRODUCTION_TEST;
    if (messages == nullptr) {
        messages = rtosQueueCreate(HWQC_QUEUE_LENGTH, sizeof(HwqcMessage), QUEUE_TYPE_BASE);
    }
    return rtosTaskCreate(hwqcTask, "HWQC", HWQC_TASK_STACK_WORDS, nullptr, HWQC_TASK_PRIORITY, &task, nullptr,
                          nullptr);
}

rtosTaskRecord* hwqcTaskHandle()
{
    return task;
}

void hwqcTask(void*)
{
    hwqcSendAnswer(HWQC_OK); // the station learns that the test runs
    for (;;) {
        hwqcTaskPass(HWQC_WAIT_TICKS);
    }
}

bool hwqcTaskPass(std::uint32_t waitTicks)
{
    HwqcMessage message;
    if (messages == nullptr || rtosQueueReceive(messages, &message, waitTicks, 0) != RTOS_PASS) {
        return false;
    }
    if (message.row < HWQC_COMMAND_COUNT) {
        hwqcSendAnswer(hwqcCommandTable[message.row].handler(message.payload));
    }
    return true;
}
