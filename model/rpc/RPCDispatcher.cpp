#include "model/rpc/RPCDispatcher.hpp"

#include "model/filter/SchedulerGuard.hpp"
#include "model/link/DeviceLink.hpp"
#include "model/rpc/RPCProperty.hpp"

namespace model
{
namespace
{
// Registered with the link before the program's entry runs, so no response is missed.
RPCDispatcher& dispatcher = RPCDispatcher::getInstance();
} // namespace

RPCDispatcher& RPCDispatcher::getInstance()
{
    static RPCDispatcher instance;
    return instance;
}

RPCDispatcher::RPCDispatcher() : entries(), count(0)
{
    linkSetResponseHandler(onLinkResponse);
}

bool RPCDispatcher::registerProperty(RPCProperty* property)
{
    // The link task routes with higher priority; it must not see half an edit.
    SchedulerGuard guard;
    uint32_t position = 0;
    if (find(property, &position) || count >= MAX_PROPERTIES) {
        return false;
    }
    entries[count++] = property;
    return true;
}

bool RPCDispatcher::unregisterProperty(RPCProperty* property)
{
    SchedulerGuard guard;
    uint32_t position = 0;
    if (!find(property, &position)) {
        return false;
    }
    entries[position] = entries[--count];
    entries[count] = nullptr;
    return true;
}

bool RPCDispatcher::find(RPCProperty* property, uint32_t* position) const
{
    // Registration refuses duplicates: the first match is the only one.
    for (uint32_t index = 0; index < count; ++index) {
        if (entries[index] == property) {
            *position = index;
            return true;
        }
    }
    return false;
}

void RPCDispatcher::onLinkResponse(uint32_t functionIndex, const uint8_t* buffer)
{
    getInstance().route(functionIndex, buffer);
}

void RPCDispatcher::route(uint32_t functionIndex, const uint8_t* buffer)
{
    for (uint32_t index = 0; index < count; ++index) {
        RPCProperty* property = entries[index];
        if (property->getFunctionIndex() == functionIndex && property->onResponse(buffer)) {
            return;
        }
    }
}
} // namespace model
