#include "gui/screens/service/FillingPresenter.hpp"

#include "model/groups/FillingVentingGroup.hpp"

FillingPresenter::FillingPresenter(IView& view)
    : BasePresenter(view), askedFlag(false)
{
}

void FillingPresenter::activate()
{
    watchGroup(*group());
}

void FillingPresenter::deactivate()
{
    unwatch();
    // A programme started at the boiler must still bring the panel to its screen soon.
    group()->request.activate();
}

bool FillingPresenter::isReleased() const
{
    return group()->state.getValue() == 0;
}

bool FillingPresenter::isRunning() const
{
    return group()->request.getValue() != 0;
}

bool FillingPresenter::checkReadyToAsk()
{
    if (group()->state.getValue() != 0 || group()->request.getValue() != 0) {
        return false;
    }
    askedFlag = true;
    return true;
}

void FillingPresenter::startFilling()
{
    group()->request.setValue(model::FillingVentingGroup::REQUEST_FILLING);
}

void FillingPresenter::startVenting()
{
    group()->request.setValue(model::FillingVentingGroup::REQUEST_VENTING);
}

void FillingPresenter::stop()
{
    group()->request.setValue(model::FillingVentingGroup::REQUEST_STOP);
}
