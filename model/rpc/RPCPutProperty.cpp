#include "model/rpc/RPCPutProperty.hpp"

#include "model/link/DeviceLink.hpp"

namespace model
{
RPCPutProperty::RPCPutProperty(uint8_t byte0, uint8_t byte1, uint8_t byte2, uint16_t value, int16_t extra)
    : RPCProperty(RPC_PUT), byte0(byte0), byte1(byte1), byte2(byte2), value(value), extra(extra)
{
}

bool RPCPutProperty::send()
{
    return linkCallPut(byte0, byte1, byte2, value, extra) != 0;
}

bool RPCPutProperty::setAndSend(uint8_t newByte0, uint8_t newByte1, uint8_t newByte2, uint16_t newValue,
                                int16_t newExtra, IRPCResponseListener* listener)
{
    byte0 = newByte0;
    byte1 = newByte1;
    byte2 = newByte2;
    value = newValue;
    extra = newExtra;
    replacePrimaryListener(listener);
    return send();
}

bool RPCPutProperty::takeResponse(uint8_t (&destination)[ANSWER_SIZE])
{
    return takeResponseCopy(destination, ANSWER_SIZE);
}
} // namespace model
