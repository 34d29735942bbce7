#ifndef GUI_SCREENS_INFOCIRCUIT_HCXPRESENTER_HPP
#define GUI_SCREENS_INFOCIRCUIT_HCXPRESENTER_HPP

#include "gui/screens/infocircuit/InfoListPresenter.hpp"
#include "model/groups/HCGroup.hpp"


// The heating circuits' information lists: all three circuits are watched, so a change of
// any of them rebuilds the list.
class HCxPresenter : public InfoListPresenter
{
public:
    explicit HCxPresenter(IView& view) : InfoListPresenter(view, DeviceChanges::Rebuild) {}
    ~HCxPresenter() override {}

    void activate() override { watchList(circuits()); }

    model::HCGroup& circuits() { return getModel()->getGroups().hc; }
};

#endif
