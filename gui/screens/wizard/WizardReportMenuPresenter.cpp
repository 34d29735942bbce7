#include "gui/screens/wizard/WizardReportMenuPresenter.hpp"

#include "model/DataPoint.hpp"

void WizardReportMenuPresenter::finishCommissioning()
{
    model::DataPoint<unsigned char, DP_U8> request(COMMISSIONING_REQUEST);
    request.setValue(0);
    if (getModel() != nullptr) {
        // Whatever the store answers, the commissioning is over.
        static_cast<void>(getModel()->getGroups().settings.wizzardStart.set(getCurrentDateTime().getTimestamp()));
    }
}
