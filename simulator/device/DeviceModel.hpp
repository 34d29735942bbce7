#ifndef SIMULATOR_DEVICE_DEVICEMODEL_HPP
#define SIMULATOR_DEVICE_DEVICEMODEL_HPP

#include "model/link/LinkFrame.hpp"

#include <cstdint>

// What the boiler does with the panel's service and commissioning commands: it sees the
// panel's writes and calls to the addresses of its table, lets time pass in whole seconds
// and reports every value it changes, and answers reads of its addresses, all as read
// responses. Every other frame stays with its caller. No task of its own: task "SC" drives
// it, screen tests step it.
class DeviceModel
{
public:
    // The device's own time limits, as the help texts tell the user.
    static constexpr std::uint32_t PROGRAMME_LIMIT_SECONDS = 20 * 60;      // filling, venting
    static constexpr std::uint32_t TEST_OPERATION_LIMIT_SECONDS = 30 * 60; // test operation
    static constexpr std::uint32_t FLOW_TEST_SECONDS = 3;                  // until the flow reads sufficient
    static constexpr std::uint32_t LAN_UPDATE_SECONDS = 10;                // a rescue update's run
    static constexpr std::uint8_t CALIBRATION_CODE = 97;                   // function code of the pump calibration
    static constexpr std::uint8_t LAN_UPDATE_RUNNING = 1;
    static constexpr std::uint8_t LAN_UPDATE_DONE = 254; // up to date
    static constexpr std::uint32_t VALUE_BYTES = 48;

    enum Row : std::uint8_t
    {
        FILLING_VENTING,  // u8 0x572F: 2 filling, 1 venting, 0 none
        RELEASE,          // u8 0x88DE: 0 while filling and venting may run
        TEST_OPERATION,   // u8 0x7580: the switch
        TEST_ACTIVE,      // u8 0x571F: test operation running
        FLOW_REQUEST,     // u8 0x74A7
        FLOW_SUFFICIENT,  // u8 0x74A8
        CALIBRATION_SPEED, // u8 0xCF06
        SOLAR_INFO,       // solar_info 0x6580, byte 1 the pump speed
        ONE_TIME_CHARGE,  // u8 0x65F5
        NOTE_CONFIRMED,   // u8 0x74AA
        COMMISSIONING,    // u8 0xFF01
        GAS_TYPE_ACCESS,  // u8 0x5711
        LANGUAGE_CODE,    // u8 0x7310
        CIRCUIT_NAME_1,   // 0x7360
        CIRCUIT_NAME_2,   // 0x738A
        CIRCUIT_NAME_3,   // 0x73B4
        DEVICE_TIME,      // u32 0x09A4
        LAN_UPDATE,       // u8 0xD0DA
        LAN_VERSION,      // u32 0xD084
        LAN_STATE,        // u8 0xD07F
        LAN_ERROR,        // u32 0xD080
        ROW_COUNT
    };

    // Where the model's answers go, in the order they arise.
    using Sender = void (*)(void* context, const DeviceFrame& frame);

    DeviceModel(Sender sender, void* context);

    // The device's values as the panel's table holds them now (seeded), timers stopped.
    void start();
    // True when the frame was for one of the device's addresses (and taken).
    bool receive(const DeviceFrame& frame);
    // Simulated time passes, second by second.
    void advance(std::uint32_t seconds);

    static std::uint16_t addressOf(Row row);
    // The first value byte of the row as the device holds it.
    std::uint8_t byteOf(Row row, std::uint32_t position = 0) const;

private:
    static bool findRow(std::uint16_t address, Row& row);
    void store(Row row, const std::uint8_t* data, std::uint32_t length);
    void setByte(Row row, std::uint8_t value, std::uint32_t position = 0);
    void report(Row row);
    void onWritten(Row row);
    void onCall(std::uint16_t address, const std::uint8_t* data, std::uint32_t length);
    void tickOneSecond();
    void endTestOperation();

    Sender send;
    void* sendContext;
    std::uint8_t values[ROW_COUNT][VALUE_BYTES];
    std::uint32_t programmeLeft;
    std::uint32_t testOperationLeft;
    std::uint32_t flowTestLeft;
    std::uint32_t lanUpdateLeft;
};

#endif
