#include "gui/screens/energy/BufferLoadOneTimeChargePresenter.hpp"

#include "model/DataPoint.hpp"

namespace
{
const uint32_t ONE_TIME_CHARGE = 254; // 0x65F5
const uint8_t START = 1;
} // namespace

void BufferLoadOneTimeChargePresenter::startOneTimeCharge()
{
    // Written only, never shown: a point of its own outside every group.
    model::DataPoint<uint8_t, DP_U8> command(ONE_TIME_CHARGE);
    command.setValue(START);
}
