#include "model/rpc/RPCProperty.hpp"

#include "model/rpc/RPCDispatcher.hpp"

#include <string.h>

namespace model
{
RPCProperty::RPCProperty(uint32_t functionIndex)
    : functionIndex(functionIndex), response(), changed(0), primaryListener(nullptr), listeners(), listenerCount(0)
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
    if (listenerCount < MAX_LISTENERS) {
        listeners[listenerCount++] = listener;
    }
}

void RPCProperty::removeListener(IRPCResponseListener* listener)
{
    uint32_t position = 0;
    while (position < listenerCount) {
        if (listeners[position] == listener) {
            listeners[position] = listeners[--listenerCount];
            listeners[listenerCount] = nullptr;
        } else {
            ++position;
        }
    }
}

void RPCProperty::notifyListeners(const uint8_t* buffer)
{
    if (primaryListener) {
        primaryListener->onRPCResponse(functionIndex, buffer);
    }
    for (uint32_t position = 0; position < listenerCount; ++position) {
        if (listeners[position]) {
            listeners[position]->onRPCResponse(functionIndex, buffer);
        }
    }
}
} // namespace model
