#include "model/rpc/RPCFunctionCode.hpp"

#include "model/link/DeviceLink.hpp"

namespace model
{
RPCFunctionCode::RPCFunctionCode() : RPCProperty(RPC_FUNCTION_CODE) {}

bool RPCFunctionCode::sendCode(uint8_t code)
{
    return linkCallFunctionCode(code) != 0;
}

bool RPCFunctionCode::sendCodeWithData(uint8_t code, const void* data, uint16_t length)
{
    return linkCallFunctionCodeWithData(code, data, length) != 0;
}
} // namespace model
