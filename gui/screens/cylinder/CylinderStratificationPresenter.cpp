#include "gui/screens/cylinder/CylinderStratificationPresenter.hpp"

#include "gui/screens/cylinder/ChartInterval.hpp"

#include <math.h>

namespace
{
int32_t wholeDegrees(float value)
{
    return static_cast<int32_t>(lroundf(value)); // halves away from zero
}
} // namespace

CylinderStratificationPresenter::CylinderStratificationPresenter(IView& view)
    : BasePresenter(view), mode(chartinterval::ofPage(pageManager))
{
}

void CylinderStratificationPresenter::activate()
{
    model::CylinderGroup& c = getModel()->getGroups().cylinder;
    // Series 1 to 3 are the boundaries purple/blue, pink/purple and red/pink.
    watch({&c.stratification3, &c.stratification2, &c.stratification1, &c.stratificationLimit1,
           &c.stratificationLimit2, &c.stratificationLimit3});
}

void CylinderStratificationPresenter::deactivate()
{
    unwatch();
}

bool CylinderStratificationPresenter::hasDataChanged()
{
    return filterChanged();
}

int32_t CylinderStratificationPresenter::getThreshold1()
{
    return wholeDegrees(getModel()->getGroups().cylinder.stratificationLimit1.getValue());
}

int32_t CylinderStratificationPresenter::getThreshold2()
{
    return wholeDegrees(getModel()->getGroups().cylinder.stratificationLimit2.getValue());
}

int32_t CylinderStratificationPresenter::getThreshold3()
{
    return wholeDegrees(getModel()->getGroups().cylinder.stratificationLimit3.getValue());
}
