#ifndef GUI_SCREENS_MENU_INTERVALSELECTIONMENUPRESENTER_HPP
#define GUI_SCREENS_MENU_INTERVALSELECTIONMENUPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

// The periods do not depend on the devices: nothing to watch.
class IntervalSelectionMenuPresenter : public BasePresenter
{
public:
    explicit IntervalSelectionMenuPresenter(IView& view) : BasePresenter(view) {}
    ~IntervalSelectionMenuPresenter() override {}
};

#endif
