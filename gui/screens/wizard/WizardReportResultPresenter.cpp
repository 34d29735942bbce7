#include "gui/screens/wizard/WizardReportResultPresenter.hpp"

bool WizardReportResultPresenter::isAvailable(uint32_t deviceFlag) const
{
    return getModel() != nullptr && getModel()->getDeviceManager().isPresent(deviceFlag);
}
