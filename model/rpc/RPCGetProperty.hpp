#ifndef MODEL_RPC_RPCGETPROPERTY_HPP
#define MODEL_RPC_RPCGETPROPERTY_HPP

#include "model/rpc/RPCProperty.hpp"

namespace model
{
// Call row 0: four request bytes, an 18-byte answer.
class RPCGetProperty : public RPCProperty
{
public:
    static constexpr uint32_t ANSWER_SIZE = 18;

    RPCGetProperty(uint8_t byte0 = 0, uint8_t byte1 = 0, uint8_t byte2 = 0, int8_t byte3 = 0);

    bool send() override;
    bool request() override { return send(); }
    bool refresh() override { return request(); }

    // Stores the bytes and sends. A primary listener already set is replaced by the given
    // one; without one none is set.
    bool setAndSend(uint8_t byte0, uint8_t byte1, uint8_t byte2, int8_t byte3, IRPCResponseListener* listener);
    // When a response arrived since: clears the flag, copies the answer, true.
    bool takeResponse(uint8_t (&destination)[ANSWER_SIZE]);

protected:
    uint8_t byte0;
    uint8_t byte1;
    uint8_t byte2;
    int8_t byte3;
};
} // namespace model

#endif
