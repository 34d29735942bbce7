#ifndef MODEL_RPC_RPCPROPERTY_HPP
#define MODEL_RPC_RPCPROPERTY_HPP

#include "model/filter/ListenerList.hpp"
#include "model/filter/Listeners.hpp"

#include <stdint.h>

namespace model
{
// The rows of the device link's call table.
enum RPCFunction : uint32_t
{
    RPC_GET = 0,
    RPC_PUT = 1,
    RPC_FACTORY_SETTINGS = 2,
    RPC_FUNCTION_CODE = 3,
    RPC_ACTUATOR = 4,
    RPC_SUBSCRIBER_CHECK = 5,
    RPC_FUNCTION_6 = 6,
};

constexpr uint32_t RPC_RESPONSE_SIZE = 36;

// A function call on the device and its last response. Active (registered with the
// dispatcher) while a filter watches it; the response then arrives on the link task.
class RPCProperty : public IRPCResponseSource
{
public:
    static constexpr uint32_t MAX_LISTENERS = 3;

    explicit RPCProperty(uint32_t functionIndex);
    RPCProperty(const RPCProperty&) = delete;
    RPCProperty& operator=(const RPCProperty&) = delete;
    ~RPCProperty() override;

    // Not cleared here: takeResponse clears it.
    bool isChanged() const override { return changed != 0; }
    void setChanged() override { changed = 1; }
    bool request() override { return false; }
    uint32_t getKind() const override { return KIND_FUNCTION_CALL; }
    bool activate() override;
    bool deactivate() override;
    bool handleEvent(const DataChangedEvent&) override { return false; }
    bool refresh() override { return false; }

    virtual bool send() = 0;
    // Keeps the response and tells the listeners; true when it was taken.
    virtual bool onResponse(const uint8_t* buffer);
    // Besides the primary listener; a fourth is ignored.
    void addListener(IRPCResponseListener* listener) override;
    // Every occurrence; the last entry takes the freed place.
    void removeListener(IRPCResponseListener* listener) override;

    uint32_t getFunctionIndex() const { return functionIndex; }
    // The primary listener first, then the others in order.
    void notifyListeners(const uint8_t* buffer);

protected:
    // A primary listener already set is replaced by the given one; without one none is set.
    void replacePrimaryListener(IRPCResponseListener* listener);
    // When a response arrived since: clears the flag, copies its first size bytes, true.
    bool takeResponseCopy(uint8_t* destination, uint32_t size);

    uint32_t functionIndex;
    uint8_t response[RPC_RESPONSE_SIZE];
    volatile uint8_t changed; // set on the link task, taken on the GUI task
    IRPCResponseListener* primaryListener;
    ListenerList<IRPCResponseListener, MAX_LISTENERS> listeners;
};
} // namespace model

#endif
