#ifndef MODEL_RPC_RPCFACTORYSETTINGS_HPP
#define MODEL_RPC_RPCFACTORYSETTINGS_HPP

#include "model/rpc/RPCProperty.hpp"

namespace model
{
// Call row 2: resets a heating circuit (the argument) to its factory settings. Sent
// directly; its answer is not looked at.
class RPCFactorySettings : public RPCProperty
{
public:
    explicit RPCFactorySettings(uint8_t argument = 0);

    bool send() override;
    // Ignored, so another property of the row may take it.
    bool onResponse(const uint8_t*) override { return false; }

    bool setAndSend(uint8_t argument);
    bool sendFor(uint8_t argument) { return setAndSend(argument); }

private:
    uint8_t argument;
};
} // namespace model

#endif
