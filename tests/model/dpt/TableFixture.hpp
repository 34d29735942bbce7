#ifndef TESTS_MODEL_DPT_TABLEFIXTURE_HPP
#define TESTS_MODEL_DPT_TABLEFIXTURE_HPP

#include "model/dpt/DataPointTable.hpp"
#include "model/link/DeviceLink.hpp"

#include <rtos/Rtos.hpp>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

// A small table of our own behind the real link queues (the scheduler is not running;
// every queue operation here is without waiting). Rows 0..8 lie more than 50 bytes apart,
// so their reads never merge; rows 9..13 are neighbours for merging.
//   0: u8        0x0100  180/20  countdown 3      7: scaled u8   0x0800
//   1: scaled u16 0x0200 (factor 0.1)              8: scaled u32  0x0900
//   2: scaled s16 0x0300                           9..13: u8 at 0x0FFE, 0x1000, 0x1005,
//   3: u32       0x0400                                   0x1031, 0x1032
//   4: u8        0x0500  never polled
//   5: u8        0x0600  180/5   countdown 0
//   6: temperature_6 0x0700 (12 bytes)        14: u8 0x06D0, 48 bytes before row 6
// The link is this table's sender, as at start-up.
class TableFixture : public ::testing::Test
{
protected:
    static constexpr std::uint16_t ROWS = 15;

    void SetUp() override
    {
        static rtosQueueHandle tx = nullptr;
        if (!tx) {
            tx = rtosQueueCreate(70, sizeof(DeviceFrame), QUEUE_TYPE_BASE);
            linkInit();
        }
        txQueue = tx;
        linkSetTxQueue(tx);
        linkSetRxQueue(nullptr);
        std::memset(bytes, 0, sizeof(bytes));
        scaled[0][0] = 0.0f, scaled[0][1] = 0.1f;
        scaled[1][0] = 0.0f, scaled[1][1] = 0.1f;
        scaled[2][0] = 0.0f, scaled[2][1] = 0.1f;
        scaled[3][0] = 0.0f, scaled[3][1] = 0.1f;
        const DpTableEntry rows[ROWS] = {
            {0x0100, DP_U8, 180, 20, 180, 3, &bytes[0]},
            {0x0200, DP_SCALED_U16, 180, 20, 180, 3, scaled[0]},
            {0x0300, DP_SCALED_S16, 180, 20, 180, 3, scaled[1]},
            {0x0400, DP_U32, 180, 20, 180, 3, &bytes[4]},
            {0x0500, DP_U8, DPT_NEVER_POLLED, DPT_NEVER_POLLED, DPT_NEVER_POLLED, 0, &bytes[8]},
            {0x0600, DP_U8, 180, 5, 180, 0, &bytes[9]},
            {0x0700, DP_TEMPERATURE_6, 180, 20, 180, 3, &bytes[12]},
            {0x0800, DP_SCALED_U8, 180, 20, 180, 3, scaled[2]},
            {0x0900, DP_SCALED_U32, 180, 20, 180, 3, scaled[3]},
            {0x0FFE, DP_U8, 180, 20, 180, 3, &bytes[24]},
            {0x1000, DP_U8, 180, 20, 180, 3, &bytes[25]},
            {0x1005, DP_U8, 180, 20, 180, 3, &bytes[26]},
            {0x1031, DP_U8, 180, 20, 180, 3, &bytes[27]},
            {0x1032, DP_U8, 180, 20, 180, 3, &bytes[28]},
            {0x06D0, DP_U8, 180, 20, 180, 3, &bytes[29]},
        };
        std::memcpy(table, rows, sizeof(rows));
        dptInit(table, ROWS); // not in address order: the table sorts its own
        dptSetSenders(linkTableSenders());
        dptSetChangeCallback(nullptr);
        drainRequests();
        takeFrames();
    }

    void TearDown() override
    {
        dptSetChangeCallback(nullptr);
        drainRequests();
        takeFrames();
    }

    // Everything the panel sent, oldest first (front-queued frames come first).
    std::vector<DeviceFrame> takeFrames()
    {
        std::vector<DeviceFrame> frames;
        DeviceFrame frame;
        while (rtosQueueReceive(txQueue, &frame, RTOS_NO_WAIT, 0) == RTOS_PASS) {
            frames.push_back(frame);
        }
        return frames;
    }

    // Turns every waiting read request into a read frame and returns their addresses.
    std::vector<std::uint16_t> takeReads()
    {
        std::vector<std::uint16_t> addresses;
        for (;;) {
            takeFrames();
            linkTaskPass(0);
            const std::vector<DeviceFrame> frames = takeFrames();
            if (frames.empty()) {
                return addresses;
            }
            addresses.push_back(linkFrameAddress(frames[0], frames[0].used));
        }
    }

    void drainRequests() { takeReads(); }

    rtosQueueHandle txQueue = nullptr;
    alignas(4) std::uint8_t bytes[64];
    float scaled[4][2];
    DpTableEntry table[ROWS];
};

#endif
