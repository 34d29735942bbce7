#include "gui/screens/timeprogram/TimeProgramOverviewPresenter.hpp"

#include "gui/common/ShellPages.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/screens/timeprogram/TimeProgramOverviewView.hpp"

TimeProgramOverviewPresenter::TimeProgramOverviewPresenter(TimeProgramOverviewView& view, const TimeProgramKind& kind)
    : BasePresenter(view), store(kind)
{
}

void TimeProgramOverviewPresenter::activate()
{
    store.bind(getModel());
    const HeatingCircuitParam* param = pageManager != nullptr ? pageManager->getParam<HeatingCircuitParam>() : nullptr;
    model::HeatingGroup::TimeProgram* days = store.range(param != nullptr ? param->circuit : 0);
    if (param != nullptr && days != nullptr) {
        watch({days});
    }
}

void TimeProgramOverviewPresenter::deactivate()
{
    unwatch();
}

time_point TimeProgramOverviewPresenter::getDayProgram(uint32_t circuit, uint8_t day)
{
    store.bind(getModel());
    return store.getDayProgram(circuit, day);
}

void TimeProgramOverviewPresenter::showCopyPage()
{
    pagemanager::Page* page = ShellPages::page(store.getKind().copyPage);
    if (pageManager != nullptr && page != nullptr) {
        pageManager->goTo(page, false);
    }
}

void TimeProgramOverviewPresenter::showEditPage()
{
    pagemanager::Page* page = ShellPages::page(store.getKind().editPage);
    if (pageManager != nullptr && page != nullptr) {
        pageManager->goTo(page, false);
    }
}
