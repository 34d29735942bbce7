#include "simulator/device/DeviceModel.hpp"

#include "model/dpt/DataPointTable.hpp"

#include <cstring>

namespace
{
constexpr std::uint16_t ADDRESSES[DeviceModel::ROW_COUNT] = {
    0x572F, 0x88DE, 0x7580, 0x571F, 0x74A7, 0x74A8, 0xCF06, 0x6580, 0x65F5, 0x74AA, 0xFF01,
    0x5711, 0x7310, 0x7360, 0x738A, 0x73B4, 0x09A4, 0xD0DA, 0xD084, 0xD07F, 0xD080,
};
constexpr std::uint16_t FUNCTION_CODE_CALL = 0xA052;
constexpr std::uint32_t PUMP_SPEED_BYTE = 1;

std::uint32_t sizeOf(DeviceModel::Row row)
{
    const std::uint32_t size = dptValueSizeAt(DeviceModel::addressOf(row));
    return size < DeviceModel::VALUE_BYTES ? size : DeviceModel::VALUE_BYTES;
}
} // namespace

DeviceModel::DeviceModel(Sender sender, void* context)
    : send(sender), sendContext(context), values{}, programmeLeft(0), testOperationLeft(0), flowTestLeft(0),
      lanUpdateLeft(0)
{
}

std::uint16_t DeviceModel::addressOf(Row row)
{
    return row < ROW_COUNT ? ADDRESSES[row] : 0;
}

bool DeviceModel::findRow(std::uint16_t address, Row& row)
{
    for (std::uint32_t r = 0; r < ROW_COUNT; ++r) {
        if (ADDRESSES[r] == address) {
            row = static_cast<Row>(r);
            return true;
        }
    }
    return false;
}

void DeviceModel::start()
{
    for (std::uint32_t r = 0; r < ROW_COUNT; ++r) {
        std::memset(values[r], 0, VALUE_BYTES);
        static_cast<void>(dptEncodeRaw(ADDRESSES[r], values[r]));
    }
    programmeLeft = 0;
    testOperationLeft = 0;
    flowTestLeft = 0;
    lanUpdateLeft = 0;
}

std::uint8_t DeviceModel::byteOf(Row row, std::uint32_t position) const
{
    return row < ROW_COUNT && position < VALUE_BYTES ? values[row][position] : 0;
}

bool DeviceModel::receive(const DeviceFrame& frame)
{
    const std::uint32_t used = frame.used;
    const LinkMessageKind kind = linkClassify(frame, used);
    const std::uint16_t address = linkFrameAddress(frame, used);
    const std::uint32_t length = linkFrameLength(frame, used);
    const std::uint8_t* data = frame.bytes + LINK_HEADER_SIZE;
    Row row = ROW_COUNT;
    switch (kind) {
    case MSG_WRITE_REQUEST:
        if (!findRow(address, row)) {
            return false;
        }
        store(row, data, length);
        onWritten(row);
        return true;
    case MSG_READ_REQUEST: {
        // A read may cover neighbours: each of our addresses inside it gets its own answer.
        bool answered = false;
        for (std::uint32_t r = 0; r < ROW_COUNT; ++r) {
            if (ADDRESSES[r] >= address && ADDRESSES[r] < address + (length == 0 ? 1u : length)) {
                report(static_cast<Row>(r));
                answered = true;
            }
        }
        return answered;
    }
    case MSG_CALL_REQUEST:
        if (address != FUNCTION_CODE_CALL || length < 2 || data[0] != CALIBRATION_CODE) {
            return false;
        }
        onCall(address, data, length);
        return true;
    default:
        return false;
    }
}

void DeviceModel::store(Row row, const std::uint8_t* data, std::uint32_t length)
{
    const std::uint32_t size = sizeOf(row);
    std::memcpy(values[row], data, length < size ? length : size);
}

void DeviceModel::setByte(Row row, std::uint8_t value, std::uint32_t position)
{
    if (values[row][position] == value) {
        return;
    }
    values[row][position] = value;
    report(row);
}

void DeviceModel::report(Row row)
{
    if (send == nullptr) {
        return;
    }
    DeviceFrame frame{};
    const std::uint32_t size = sizeOf(row);
    linkBuildHeader(MSG_READ_RESPONSE, frame, ADDRESSES[row], static_cast<std::uint8_t>(size));
    frame.used = static_cast<std::uint16_t>(linkAppendData(frame, values[row], size));
    send(sendContext, frame);
}

void DeviceModel::onWritten(Row row)
{
    const std::uint8_t value = values[row][0];
    switch (row) {
    case FILLING_VENTING:
        programmeLeft = value != 0 ? PROGRAMME_LIMIT_SECONDS : 0;
        break;
    case TEST_OPERATION:
        if (value != 0) {
            testOperationLeft = TEST_OPERATION_LIMIT_SECONDS;
            setByte(TEST_ACTIVE, 1);
        } else {
            endTestOperation();
        }
        break;
    case FLOW_REQUEST:
        if (value != 0 && testOperationLeft != 0) {
            flowTestLeft = FLOW_TEST_SECONDS;
        } else if (value == 0) {
            flowTestLeft = 0;
            setByte(FLOW_SUFFICIENT, 0);
        }
        break;
    case LAN_UPDATE:
        if (value != 0) {
            lanUpdateLeft = LAN_UPDATE_SECONDS;
            values[LAN_UPDATE][0] = 0; // reported as running below
            setByte(LAN_UPDATE, LAN_UPDATE_RUNNING);
        } else {
            lanUpdateLeft = 0;
        }
        break;
    default: // the device keeps what was written
        break;
    }
}

void DeviceModel::onCall(std::uint16_t, const std::uint8_t* data, std::uint32_t)
{
    // Calibration on: the pump runs at its calibration speed until it is switched off.
    setByte(SOLAR_INFO, data[1] != 0 ? values[CALIBRATION_SPEED][0] : 0, PUMP_SPEED_BYTE);
}

void DeviceModel::endTestOperation()
{
    testOperationLeft = 0;
    flowTestLeft = 0;
    setByte(TEST_OPERATION, 0);
    setByte(TEST_ACTIVE, 0);
    setByte(FLOW_SUFFICIENT, 0);
}

void DeviceModel::advance(std::uint32_t seconds)
{
    for (std::uint32_t s = 0; s < seconds; ++s) {
        tickOneSecond();
    }
}

void DeviceModel::tickOneSecond()
{
    if (programmeLeft != 0 && --programmeLeft == 0) {
        setByte(FILLING_VENTING, 0);
    }
    if (flowTestLeft != 0 && --flowTestLeft == 0) {
        setByte(FLOW_SUFFICIENT, 1);
    }
    if (testOperationLeft != 0 && --testOperationLeft == 0) {
        endTestOperation();
    }
    if (lanUpdateLeft != 0 && --lanUpdateLeft == 0) {
        setByte(LAN_UPDATE, LAN_UPDATE_DONE);
    }
}
