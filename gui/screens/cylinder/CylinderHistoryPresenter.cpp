#include "gui/screens/cylinder/CylinderHistoryPresenter.hpp"

#include "gui/screens/cylinder/ChartInterval.hpp"
#include "model/devices/DeviceIds.hpp"

CylinderHistoryPresenter::CylinderHistoryPresenter(IView& view)
    : BasePresenter(view), mode(chartinterval::ofPage(pageManager))
{
}

void CylinderHistoryPresenter::activate()
{
    model::CylinderGroup& c = getModel()->getGroups().cylinder;
    if (mode == INTERVAL_7_DAYS) {
        watch({&c.history12_1, &c.history12_2, &c.history12_3, &c.history12_4, &c.history12_5});
    } else if (mode == INTERVAL_30_DAYS) {
        watch({&c.history6_1, &c.history6_2, &c.history6_3, &c.history6_4, &c.history6_5});
    } else {
        watch({&c.history24_1, &c.history24_2, &c.history24_3, &c.history24_4, &c.history24_5});
    }
}

void CylinderHistoryPresenter::deactivate()
{
    unwatch();
}

bool CylinderHistoryPresenter::hasDataChanged()
{
    return filterChanged() || getModel()->getDeviceManager().takeChanged();
}

uint32_t CylinderHistoryPresenter::getSensorCount()
{
    return getModel()->getDeviceManager().isPresent(DEVICE_BOILER_4) ? SENSORS : SENSORS - 1;
}
