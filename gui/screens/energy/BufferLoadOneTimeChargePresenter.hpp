#ifndef GUI_SCREENS_ENERGY_BUFFERLOADONETIMECHARGEPRESENTER_HPP
#define GUI_SCREENS_ENERGY_BUFFERLOADONETIMECHARGEPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

// Entering the screen is the command: one heating of the hot-water cylinder outside the
// time program.
class BufferLoadOneTimeChargePresenter : public BasePresenter
{
public:
    explicit BufferLoadOneTimeChargePresenter(IView& view) : BasePresenter(view) {}
    ~BufferLoadOneTimeChargePresenter() override {}

    void startOneTimeCharge();
};

#endif
