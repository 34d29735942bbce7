#include "gui/common/ModelPresenter.hpp"

#include "model/filter/FilterMembership.hpp"

#include <quillon/Assert.hpp>

const model::IPropertyFilter* ModelPresenter::watchedFilter() const
{
    return &theModel().getDefaultFilter();
}

model::DataModelManager& ModelPresenter::theModel() const
{
    QUILLON_ASSERT(model != nullptr && "presenter not bound to the model");
    return *model;
}

void ModelPresenter::watch(std::initializer_list<model::IProperty*> properties)
{
    model::DataModelManager& bound = theModel();
    for (model::IProperty* property : properties) {
        model::addOrStop(bound.getDefaultFilter(), property);
    }
    pollWatchedFast(bound);
}

void ModelPresenter::watchGroup(model::IPropertyFilter& group)
{
    model::DataModelManager& bound = theModel();
    const uint32_t members = group.count();
    for (uint32_t position = 0; position < members; ++position) {
        model::addOrStop(bound.getDefaultFilter(), group.at(position));
    }
    pollWatchedFast(bound);
}

void ModelPresenter::pollWatchedFast(model::DataModelManager& bound)
{
    // The filter activates each of its properties once: a second watch activates only what
    // it added, and nothing already watched is released in between.
    if (bound.isDefaultFilterEnabled()) {
        bound.getDefaultFilter().activateAll();
    } else {
        bound.enableDefaultFilter();
    }
}

void ModelPresenter::unwatch()
{
    model::DataModelManager& bound = theModel();
    bound.disableDefaultFilter();
    bound.getDefaultFilter().removeAll();
    recorded = 0;
    watchingDevices = false;
    watchingClock = false;
}

bool ModelPresenter::filterChanged()
{
    // Both are set by one dispatch; take both so neither reports it again.
    const bool reported = theModel().getDefaultFilter().takeChanged();
    const bool heard = recorded.exchange(0) != 0;
    return reported || heard;
}

bool ModelPresenter::watchedChanged()
{
    const bool values = filterChanged();
    const bool devices = watchingDevices && theModel().getDeviceManager().takeChanged();
    const bool clock = watchingClock && theModel().getTimeManager().hasClockChanged();
    return values || devices || clock;
}
