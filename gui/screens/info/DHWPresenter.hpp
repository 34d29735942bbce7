#ifndef GUI_SCREENS_INFO_DHWPRESENTER_HPP
#define GUI_SCREENS_INFO_DHWPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// The hot water, its cylinder and pumps for the DHW lists: the hot-water and cylinder groups
// and the solar information are watched while the screen is shown.
class DHWPresenter : public BasePresenter
{
public:
    explicit DHWPresenter(IView& view) : BasePresenter(view) {}
    ~DHWPresenter() override {}

    void activate() override;
    void deactivate() override;
    // A watched value or a device flag changed.
    bool hasDataChanged() override { return watchedChanged(); }
    virtual bool isAvailable(uint32_t deviceFlag);
    // What the lists show, from several groups.
    model::ParameterGroups& groups() { return getModel()->getGroups(); }
    // The hot-water temperature's status byte is 0.
    bool isActualValid();
};

#endif
