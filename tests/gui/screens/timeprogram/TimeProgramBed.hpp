#ifndef TESTS_GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMBED_HPP
#define TESTS_GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMBED_HPP

#include "support/screen/AppTestBed.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "model/dpt/DataPointTable.hpp"
#include "model/link/DeviceLink.hpp"
#include "model/link/LinkFrame.hpp"
#include "model/records/DateTimeRecords.hpp"

#include <quillon/Drawable.hpp>
#include <rtos/Queue.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace timeprogram_test
{
// What the panel asked of the device, in order: "W 2018 30B0FFFF..." for a write,
// "R 2018" for a read.
inline std::vector<std::string>& deviceLog()
{
    static std::vector<std::string> log;
    return log;
}

inline std::string hex(const void* data, std::uint32_t n)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint8_t byte = static_cast<const std::uint8_t*>(data)[i];
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}

inline std::string address(std::uint16_t value)
{
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
    return hex(bytes, 2);
}

inline int recordWrite(std::uint16_t at, const void* data, std::uint32_t n)
{
    deviceLog().push_back("W " + address(at) + " " + hex(data, n));
    return 1;
}

inline int recordRead(std::uint16_t at)
{
    deviceLog().push_back("R " + address(at));
    return 1;
}

inline time_point record(std::initializer_list<std::uint8_t> bytes)
{
    time_point value;
    std::memset(value.bytes, 0xFF, sizeof(value.bytes));
    std::uint32_t i = 0;
    for (std::uint8_t byte : bytes) {
        value.bytes[i++] = byte;
    }
    return value;
}

// Table indexes of day d of circuit c; device addresses base + 0x1000 c + 8 d.
inline std::uint32_t heatingIndex(std::uint32_t c, std::uint32_t d) { return 51 + 53 * c + d; }
inline std::uint32_t hotWaterIndex(std::uint32_t c, std::uint32_t d) { return 58 + 53 * c + d; }
inline std::uint32_t circulationIndex(std::uint32_t c, std::uint32_t d) { return 65 + 53 * c + d; }
const std::uint32_t SHARED_PROGRAMS_INDEX = 335; // 0x777F
const std::uint32_t TYPE_INDEX = 72;             // circuit c at 72 + 53 c

// The real application with the panel's device traffic recorded: writes and reads through
// the table, function calls as frames.
class TimeProgramBed : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static rtosQueueHandle tx = rtosQueueCreate(70, sizeof(DeviceFrame), QUEUE_TYPE_BASE);
        txQueue = tx;
        linkSetTxQueue(txQueue);
        dptSetSenders(DptSenders{recordWrite, recordRead, recordRead});
        takeCalls();
        deviceLog().clear();
    }

    void TearDown() override
    {
        takeCalls();
        linkSetTxQueue(nullptr);
        dptSetSenders(linkTableSenders());
        deviceLog().clear();
    }

    // Function calls sent since the last look: the call data, code first.
    std::vector<std::string> takeCalls()
    {
        std::vector<std::string> calls;
        DeviceFrame frame;
        while (rtosQueueReceive(txQueue, &frame, RTOS_NO_WAIT, 0) == RTOS_PASS) {
            if (linkClassify(frame, frame.used) == MSG_CALL_REQUEST) {
                calls.push_back(hex(frame.bytes + 5, linkFrameLength(frame, frame.used)));
            }
        }
        return calls;
    }

    std::vector<std::string> writes() const
    {
        std::vector<std::string> found;
        for (const std::string& entry : deviceLog()) {
            if (entry[0] == 'W') {
                found.push_back(entry);
            }
        }
        return found;
    }

    // Stores the circuit and day as a screen before does, then goes to the page.
    void openWith(pagemanager::Page& page, std::uint16_t circuit, std::uint8_t day, std::uint8_t readOnly = 0)
    {
        HeatingCircuitParam param = {};
        param.circuit = circuit;
        param.day = day;
        param.readOnly = readOnly;
        ASSERT_TRUE(app.pageManager().setParam(param));
        app.open(page);
        app.bed.ticks(1);
    }

    void click(const quillon::Drawable& target)
    {
        const quillon::Rectangle r = target.getAbsoluteRect();
        app.bed.click(static_cast<std::int16_t>(r.x + r.width / 2), static_cast<std::int16_t>(r.y + r.height / 2));
        app.bed.ticks(1);
    }

    std::uint32_t countColour(const quillon::Drawable& target, quillon::Color colour)
    {
        const quillon::Rectangle r = target.getAbsoluteRect();
        std::uint32_t count = 0;
        for (std::int16_t y = r.y; y < r.y + r.height; ++y) {
            for (std::int16_t x = r.x; x < r.x + r.width; ++x) {
                count += app.bed.frame().at(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }

    std::uint16_t currentPageId() { return app.pageManager().getCurrentPage()->getId(); }

    test::AppTestBed app;
    rtosQueueHandle txQueue = nullptr;
};
} // namespace timeprogram_test

#endif
