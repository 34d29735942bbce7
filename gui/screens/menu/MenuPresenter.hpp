#ifndef GUI_SCREENS_MENU_MENUPRESENTER_HPP
#define GUI_SCREENS_MENU_MENUPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

// A tile menu follows the set of present devices: it polls them fast while it is shown and
// reports each change of the set once.
class MenuPresenter : public BasePresenter
{
public:
    explicit MenuPresenter(IView& view) : BasePresenter(view) {}
    ~MenuPresenter() override {}

    void activate() override;
    void deactivate() override;
    bool hasDataChanged() override;
};

#endif
