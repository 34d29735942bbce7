#ifndef MODEL_RPC_RPCACTUATOR_HPP
#define MODEL_RPC_RPCACTUATOR_HPP

#include "model/rpc/RPCProperty.hpp"

namespace model
{
// Call row 4: no request data; the answer's length is the device's.
class RPCActuator : public RPCProperty
{
public:
    RPCActuator();

    bool send() override;
    bool request() override { return send(); }

    // The listener becomes the primary one, then the call is sent.
    bool start(IRPCResponseListener* listener);
    // When a response arrived since: clears the flag and points at the whole response.
    bool takeResponse(const uint8_t** destination);
};
} // namespace model

#endif
