#ifndef GUI_SCREENS_INFO_GENERALPRESENTER_HPP
#define GUI_SCREENS_INFO_GENERALPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// The boiler's values for the General lists: the general and hot-water groups are watched
// while the screen is shown; the lines read the model themselves at every build.
class GeneralPresenter : public BasePresenter
{
public:
    explicit GeneralPresenter(IView& view) : BasePresenter(view) {}
    ~GeneralPresenter() override {}

    void activate() override;
    void deactivate() override;
    // A watched value, a device flag or the board clock changed.
    bool hasDataChanged() override { return watchedChanged(); }
    virtual bool isAvailable(uint32_t deviceFlag);
    // What the lists show, from several groups.
    model::ParameterGroups& groups() { return getModel()->getGroups(); }

    // Output 20 runs (bits 2 or 3 of byte 2 of the common information).
    bool isOutput20On();
    bool isOutput21On();
    bool isInternalOutputOn();
};

#endif
