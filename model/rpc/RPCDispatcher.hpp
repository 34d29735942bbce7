#ifndef MODEL_RPC_RPCDISPATCHER_HPP
#define MODEL_RPC_RPCDISPATCHER_HPP

#include <stdint.h>

namespace model
{
class RPCProperty;

// Routes each call response of the device link to the active properties of its call.
class RPCDispatcher
{
public:
    static constexpr uint32_t MAX_PROPERTIES = 100;

    static RPCDispatcher& getInstance();

    // False when already registered or full.
    bool registerProperty(RPCProperty* property);
    // The last entry takes the freed place.
    bool unregisterProperty(RPCProperty* property);
    // The position of the last match.
    bool find(RPCProperty* property, uint32_t* position) const;
    uint32_t getCount() const { return count; }

    // The link's response handler: (call row, 36-byte buffer).
    static void onLinkResponse(uint32_t functionIndex, const uint8_t* buffer);
    // Offers the response to the properties of that call in registration order; the
    // first that takes it ends the walk.
    void route(uint32_t functionIndex, const uint8_t* buffer);

private:
    RPCDispatcher();

    RPCProperty* entries[MAX_PROPERTIES];
    uint32_t count;
};
} // namespace model

#endif
