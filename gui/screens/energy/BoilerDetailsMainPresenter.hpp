#ifndef GUI_SCREENS_ENERGY_BOILERDETAILSMAINPRESENTER_HPP
#define GUI_SCREENS_ENERGY_BOILERDETAILSMAINPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// The boiler's power and operating hours, and which boiler model it is.
class BoilerDetailsMainPresenter : public BasePresenter
{
public:
    explicit BoilerDetailsMainPresenter(IView& view) : BasePresenter(view) {}
    ~BoilerDetailsMainPresenter() override {}

    void activate() override;
    void deactivate() override { unwatch(); }
    bool hasDataChanged() override { return filterChanged(); }

    // The device flag of the boiler variant, 57 to 60; 57 without any.
    uint32_t getBoilerDevice();
    model::GeneralGroup& general() { return getModel()->getGroups().general; }
};

#endif
