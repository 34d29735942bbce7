#ifndef GUI_SCREENS_INFOCIRCUIT_HCXPRESENTER_HPP
#define GUI_SCREENS_INFOCIRCUIT_HCXPRESENTER_HPP

#include "gui/screens/infocircuit/InfoListPresenter.hpp"
#include "model/groups/HCGroup.hpp"

#include <quillon/hal/Types.hpp>

// The heating circuits' information lists: all three circuits are watched, so a change of
// any of them rebuilds the list.
class HCxPresenter : public InfoListPresenter
{
public:
    explicit HCxPresenter(IView& view) : InfoListPresenter(view, DeviceChanges::Rebuild) {}
    ~HCxPresenter() override {}

    void activate() override { watchList(circuits()); }

    model::HCGroup& circuits() { return getModel()->getGroups().hc; }
    // The name the user gave circuit 0..2; empty where none.
    const quillon::WideChar* circuitName(uint8_t circuit)
    {
        model::SettingsGroup& settings = getModel()->getGroups().settings;
        switch (circuit) {
        case 1:
            return settings.hc2.get();
        case 2:
            return settings.hc3.get();
        default:
            return settings.hc1.get();
        }
    }
};

#endif
