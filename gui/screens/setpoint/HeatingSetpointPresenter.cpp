#include "gui/screens/setpoint/HeatingSetpointPresenter.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"

HeatingSetpointPresenter::HeatingSetpointPresenter(IView& view) : SetpointTempPresenter(view), circuit(0)
{
    const HeatingCircuitParam* selected =
        pageManager != nullptr ? pageManager->getParam<HeatingCircuitParam>(nullptr) : nullptr;
    // The per-circuit ranges have three elements and no bounds check of their own.
    if (selected != nullptr && selected->circuit < CIRCUITS) {
        circuit = selected->circuit;
    }
}
