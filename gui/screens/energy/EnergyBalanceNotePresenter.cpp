#include "gui/screens/energy/EnergyBalanceNotePresenter.hpp"

#include "gui/pagemanager/IntervalSelection.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "model/DataModelManager.hpp"

namespace
{
const uint8_t ACKNOWLEDGED = 1;
} // namespace

EnergyBalanceNotePresenter::EnergyBalanceNotePresenter(IView& view) : BasePresenter(view), targets(nullptr)
{
    pagemanager::Page* page = pageManager != nullptr ? pageManager->getCurrentPage() : nullptr;
    targets = page != nullptr ? page->getPointer<PagePair>() : nullptr;
}

void EnergyBalanceNotePresenter::activate()
{
    watch({&getModel()->getGroups().cylinder.flag296});
}

void EnergyBalanceNotePresenter::acknowledge()
{
    getModel()->getGroups().cylinder.flag296.setValue(ACKNOWLEDGED);
}

void EnergyBalanceNotePresenter::proceed()
{
    if (pageManager == nullptr) {
        return;
    }
    if (targets == nullptr) {
        pageManager->back();
        return;
    }
    const model::DeviceManager& devices = getModel()->getDeviceManager();
    if (devices.isPresent(HEAT_METER_DEVICE) || devices.isPresent(SECOND_METER_DEVICE)) {
        pageManager->goTo(targets->secondPage, true);
        return;
    }
    pageManager->setParam(IntervalSelection{INTERVAL_7_DAYS, 0});
    pageManager->goTo(targets->firstPage, true);
}
