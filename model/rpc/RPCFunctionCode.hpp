#ifndef MODEL_RPC_RPCFUNCTIONCODE_HPP
#define MODEL_RPC_RPCFUNCTIONCODE_HPP

#include "model/rpc/RPCProperty.hpp"

namespace model
{
// Call row 3: a one-byte function code, optionally with data. The call has no answer, and
// a filter that lists this property never sends it.
class RPCFunctionCode : public RPCProperty
{
public:
    RPCFunctionCode();

    bool send() override { return false; }
    bool onResponse(const uint8_t*) override { return false; }

    bool sendCode(uint8_t code);
    // The data are copied into the frame at once.
    bool sendCodeWithData(uint8_t code, const void* data, uint16_t length);
};
} // namespace model

#endif
