#include "model/rpc/RPCFactorySettings.hpp"

#include "model/link/DeviceLink.hpp"

namespace model
{
RPCFactorySettings::RPCFactorySettings(uint8_t argument) : RPCProperty(RPC_FACTORY_SETTINGS), argument(argument) {}

bool RPCFactorySettings::send()
{
    return linkCallFactorySettings(argument) != 0;
}

bool RPCFactorySettings::setAndSend(uint8_t newArgument)
{
    argument = newArgument;
    return send();
}
} // namespace model
