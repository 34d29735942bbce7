#include "model/rpc/RPCActuator.hpp"

#include "model/link/DeviceLink.hpp"

namespace model
{
RPCActuator::RPCActuator() : RPCProperty(RPC_ACTUATOR) {}

bool RPCActuator::send()
{
    return linkCallActuator() != 0;
}

bool RPCActuator::start(IRPCResponseListener* listener)
{
    primaryListener = listener;
    return send();
}

bool RPCActuator::takeResponse(const uint8_t** destination)
{
    if (!changed) {
        return false;
    }
    changed = 0;
    *destination = response;
    return true;
}
} // namespace model
