#include "gui/common/BasePresenter.hpp"

#include "gui/shell/ShellContext.hpp"

BasePresenter::BasePresenter(IView& view)
    : pageManager(ShellContext::current().pageManager),
      presenterView(&view),
      popupSystem(ShellContext::current().popupSystem)
{
}

helpers::DateTime BasePresenter::getCurrentDateTime() const
{
    model::DataModelManager* bound = getModel();
    return bound != nullptr ? bound->getTimeManager().getDateTime() : helpers::DateTime();
}
