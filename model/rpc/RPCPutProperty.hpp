#ifndef MODEL_RPC_RPCPUTPROPERTY_HPP
#define MODEL_RPC_RPCPUTPROPERTY_HPP

#include "model/rpc/RPCProperty.hpp"

namespace model
{
// Call row 1: three bytes, a 16-bit value and a signed 16-bit extra; an 18-byte answer.
class RPCPutProperty : public RPCProperty
{
public:
    static constexpr uint32_t ANSWER_SIZE = 18;

    RPCPutProperty(uint8_t byte0 = 0, uint8_t byte1 = 0, uint8_t byte2 = 0, uint16_t value = 0, int16_t extra = 0);

    bool send() override;
    bool request() override { return send(); }

    // As the get property's: a primary listener already set is replaced, none is set.
    bool setAndSend(uint8_t byte0, uint8_t byte1, uint8_t byte2, uint16_t value, int16_t extra,
                    IRPCResponseListener* listener);
    bool takeResponse(uint8_t (&destination)[ANSWER_SIZE]);

private:
    uint8_t byte0;
    uint8_t byte1;
    uint8_t byte2;
    uint16_t value;
    int16_t extra;
};
} // namespace model

#endif
