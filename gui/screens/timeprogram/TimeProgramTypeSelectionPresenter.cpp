#include "gui/screens/timeprogram/TimeProgramTypeSelectionPresenter.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/screens/timeprogram/TimeProgramTypeSelectionView.hpp"
#include "model/DataModelManager.hpp"

TimeProgramTypeSelectionPresenter::TimeProgramTypeSelectionPresenter(TimeProgramTypeSelectionView& view,
                                                                     const TimeProgramKind& kind)
    : BasePresenter(view), store(kind), circuit(0)
{
    const HeatingCircuitParam* param = pageManager != nullptr ? pageManager->getParam<HeatingCircuitParam>() : nullptr;
    if (param != nullptr) {
        circuit = static_cast<uint8_t>(TimeProgramStore::safeCircuit(param->circuit & 0xFF));
    }
}

void TimeProgramTypeSelectionPresenter::activate()
{
    store.bind(getModel());
    if (getModel() != nullptr) {
        watch({&getModel()->getGroups().heating.timeProgramType});
    }
}

void TimeProgramTypeSelectionPresenter::deactivate()
{
    unwatch();
}

bool TimeProgramTypeSelectionPresenter::hasDataChanged()
{
    (void)filterChanged(); // taken, so that it does not pile up: the type byte alone moves nothing
    return getModel() != nullptr && getModel()->getDeviceManager().takeChanged();
}

bool TimeProgramTypeSelectionPresenter::usesCircuitIndex()
{
    store.bind(getModel());
    return store.usesCircuitIndex();
}

uint8_t TimeProgramTypeSelectionPresenter::getTypeBits()
{
    store.bind(getModel());
    return store.getTypeBits(circuit);
}

bool TimeProgramTypeSelectionPresenter::isAutomatic()
{
    return (getTypeBits() & store.getKind().typeBit) != 0;
}

void TimeProgramTypeSelectionPresenter::sendTypeCode(uint8_t code)
{
    store.bind(getModel());
    store.sendTypeCode(circuit, code);
}

void TimeProgramTypeSelectionPresenter::selectAutomatic()
{
    sendTypeCode(store.getKind().automaticCode);
}

void TimeProgramTypeSelectionPresenter::selectIndividual()
{
    sendTypeCode(store.getKind().individualCode);
}
