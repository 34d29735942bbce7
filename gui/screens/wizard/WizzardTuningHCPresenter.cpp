#include "gui/screens/wizard/WizzardTuningHCPresenter.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

namespace
{
const quillon::TextId START_UP = 991;
const quillon::TextId CIRCUIT_NAMES[WizzardTuningHCPresenter::CIRCUITS] = {964, 965, 966};
} // namespace

WizzardTuningHCPresenter::WizzardTuningHCPresenter(IView& view) : TuningPresenter(view), circuit(0), title() {}

void WizzardTuningHCPresenter::activate()
{
    const HeatingCircuitParam* selection =
        pageManager != nullptr ? pageManager->getParam<HeatingCircuitParam>(nullptr) : nullptr;
    // The series hold three circuits: a larger index would read past them.
    circuit = selection != nullptr && selection->circuit < CIRCUITS ? selection->circuit : 0;
    model::HCGroup& circuits = getModel()->getGroups().hc;
    watch({&circuits.screedDrying[circuit], &circuits.minimumSupplyTemperature[circuit],
           &circuits.maximumSupplyTemperature[circuit], &circuits.roomSetpoint[circuit],
           &circuits.reducedRoomSetpoint[circuit], &circuits.circuitType[circuit]});
    watchDevices();
    quillon::WideString::snprintf(title, TITLE_UNITS, "%s %s", quillon::TypedText(START_UP).getText(),
                                  quillon::TypedText(CIRCUIT_NAMES[circuit]).getText());
}

bool WizzardTuningHCPresenter::isScreedDryingAvailable() const
{
    return getModel() != nullptr && getModel()->getGroups().hc.circuitType[circuit].getValue() == UNDERFLOOR_TYPE;
}
