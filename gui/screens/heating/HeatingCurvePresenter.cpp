#include "gui/screens/heating/HeatingCurvePresenter.hpp"

#include "gui/screens/heating/CircuitOfPage.hpp"

HeatingCurvePresenter::HeatingCurvePresenter(IView& view)
    : BasePresenter(view),
      circuit(circuitOfPage(pageManager)),
      levelMinimum(-13),
      levelMaximum(40),
      slopeMinimum(0.2f),
      slopeMaximum(3.5f)
{
}

void HeatingCurvePresenter::activate()
{
    watch({&getSlopePoint(), &getLevelPoint()});
}

void HeatingCurvePresenter::deactivate()
{
    unwatch();
}

model::DataPoint<float, DP_SCALED_U8>& HeatingCurvePresenter::getSlopePoint()
{
    return getModel()->getGroups().heating.curveSlope[circuit];
}

model::DataPoint<signed char, DP_S8>& HeatingCurvePresenter::getLevelPoint()
{
    return getModel()->getGroups().heating.curveLevel[circuit];
}

float HeatingCurvePresenter::getSlope()
{
    return getSlopePoint().getValue();
}

void HeatingCurvePresenter::setSlope(float slope)
{
    getSlopePoint().setValue(slope);
}

int8_t HeatingCurvePresenter::getLevel()
{
    return static_cast<int8_t>(getLevelPoint().getValue());
}

void HeatingCurvePresenter::setLevel(int8_t level)
{
    getLevelPoint().setValue(static_cast<signed char>(level));
}

uint16_t HeatingCurvePresenter::getRoomSetpoint()
{
    return getModel()->getGroups().heating.roomSetpoint[circuit].getValue();
}
