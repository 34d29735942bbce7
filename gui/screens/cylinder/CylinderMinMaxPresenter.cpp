#include "gui/screens/cylinder/CylinderMinMaxPresenter.hpp"

#include "helpers/DateTime.hpp"

void CylinderMinMaxPresenter::activate()
{
    model::CylinderGroup& cylinder = getModel()->getGroups().cylinder;
    watch({&cylinder.collectorMaximum, &cylinder.collectorMinimum, &cylinder.cylinderMaximum,
           &cylinder.cylinderMinimum, &cylinder.minMaxDate});
}

void CylinderMinMaxPresenter::deactivate()
{
    unwatch();
}

bool CylinderMinMaxPresenter::hasDataChanged()
{
    return filterChanged();
}

bool CylinderMinMaxPresenter::isAvailable(uint32_t deviceFlag)
{
    return getModel()->getDeviceManager().isPresent(deviceFlag);
}

const quillon::WideChar* CylinderMinMaxPresenter::getResetDateText()
{
    const helpers::DateTime reset(getModel()->getGroups().cylinder.minMaxDate.getValue());
    reset.formatDate(resetDate, DATE_UNITS, true);
    return resetDate;
}

bool CylinderMinMaxPresenter::isResetTimeValid()
{
    return helpers::DateTime(getModel()->getGroups().cylinder.minMaxDate.getValue()).isValid();
}

void CylinderMinMaxPresenter::resetMinMax()
{
    model::DataPoint<uint8_t, DP_U8> request(RESET_REQUEST_INDEX);
    request.setValue(1);
}

void CylinderMinMaxPresenter::refreshAll()
{
    model::CylinderGroup& cylinder = getModel()->getGroups().cylinder;
    cylinder.collectorMaximum.refresh();
    cylinder.collectorMinimum.refresh();
    cylinder.cylinderMaximum.refresh();
    cylinder.cylinderMinimum.refresh();
    cylinder.minMaxDate.refresh();
}
