#include "gui/screens/startup/StartupPresenter.hpp"

#include "model/DataPoint.hpp"

bool StartupPresenter::isCommissioningPending() const
{
    // A point of its own for one read, so it claims no change flag another reader waits for.
    const model::DataPoint<unsigned char, DP_U8> state(COMMISSIONING_STATE);
    return state.getValue() != 0;
}
