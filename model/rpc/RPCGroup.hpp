#ifndef MODEL_RPC_RPCGROUP_HPP
#define MODEL_RPC_RPCGROUP_HPP

#include "model/rpc/RPCActuator.hpp"
#include "model/rpc/RPCCodingParameter.hpp"
#include "model/rpc/RPCFactorySettings.hpp"
#include "model/rpc/RPCFunctionCode.hpp"
#include "model/rpc/RPCGetProperty.hpp"
#include "model/rpc/RPCPutProperty.hpp"

namespace model
{
// The model's function calls. Not a filter: screens add the members to their own filters
// or call them directly.
class RPCGroup
{
public:
    RPCGroup() : factorySettings(0), actuator(), functionCode(), codingParameter(), put(0, 0, 0, 0, 0), get(0, 0, 0, 0)
    {
    }

    RPCFactorySettings factorySettings;
    RPCActuator actuator;
    RPCFunctionCode functionCode;
    RPCCodingParameter codingParameter;
    RPCPutProperty put;
    RPCGetProperty get;
};
} // namespace model

#endif
