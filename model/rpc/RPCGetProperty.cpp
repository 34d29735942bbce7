#include "model/rpc/RPCGetProperty.hpp"

#include "model/link/DeviceLink.hpp"

namespace model
{
RPCGetProperty::RPCGetProperty(uint8_t byte0, uint8_t byte1, uint8_t byte2, int8_t byte3)
    : RPCProperty(RPC_GET), byte0(byte0), byte1(byte1), byte2(byte2), byte3(byte3)
{
}

bool RPCGetProperty::send()
{
    return linkCallGet(byte0, byte1, byte2, static_cast<uint8_t>(byte3)) != 0;
}

bool RPCGetProperty::setAndSend(uint8_t newByte0, uint8_t newByte1, uint8_t newByte2, int8_t newByte3,
                                IRPCResponseListener* listener)
{
    byte0 = newByte0;
    byte1 = newByte1;
    byte2 = newByte2;
    byte3 = newByte3;
    replacePrimaryListener(listener);
    return send();
}

bool RPCGetProperty::takeResponse(uint8_t (&destination)[ANSWER_SIZE])
{
    return takeResponseCopy(destination, ANSWER_SIZE);
}
} // namespace model
