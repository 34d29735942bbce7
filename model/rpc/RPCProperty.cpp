#include "model/rpc/RPCProperty.hpp"

#include "model/rpc/RPCDispatcher.hpp"

#include <string.h>

namespace model
{
RPCProperty::RPCProperty(uint32_t functionIndex)
    : functionIndex(functionIndex), response(), changed(0), primaryListener(nullptr), listeners()
{
}

RPCProperty::~RPCProperty()
{
    RPCDispatcher::getInstance().unregisterProperty(this);
}

bool RPCProperty::activate()
{
    return RPCDispatcher::getInstance().registerProperty(this);
}

bool RPCProperty::deactivate()
{
    return RPCDispatcher::getInstance().unregisterProperty(this);
}

bool RPCProperty::onResponse(const uint8_t* buffer)
{
    memcpy(response, buffer, RPC_RESPONSE_SIZE);
    changed = 1;
    notifyListeners(buffer);
    return true;
}

void RPCProperty::replacePrimaryListener(IRPCResponseListener* listener)
{
    if (primaryListener) {
        primaryListener = listener;
    }
}

bool RPCProperty::takeResponseCopy(uint8_t* destination, uint32_t size)
{
    if (!changed) {
        return false;
    }
    changed = 0;
    memcpy(destination, response, size);
    return true;
}

void RPCProperty::addListener(IRPCResponseListener* listener)
{
    listeners.add(listener);
}

void RPCProperty::removeListener(IRPCResponseListener* listener)
{
    listeners.remove(listener);
}

void RPCProperty::notifyListeners(const uint8_t* buffer)
{
    if (primaryListener) {
        primaryListener->onRPCResponse(functionIndex, buffer);
    }
    for (uint32_t position = 0; position < listeners.size(); ++position) {
        if (listeners[position]) {
            listeners[position]->onRPCResponse(functionIndex, buffer);
        }
    }
}
} // namespace model
