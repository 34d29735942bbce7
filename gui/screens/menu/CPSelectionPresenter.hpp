#ifndef GUI_SCREENS_MENU_CPSELECTIONPRESENTER_HPP
#define GUI_SCREENS_MENU_CPSELECTIONPRESENTER_HPP

#include "gui/pagemanager/Params.hpp"
#include "gui/screens/menu/MenuPresenter.hpp"

// A menu whose choice is recorded for the screens after it: the parameter level or group.
class CPSelectionPresenter : public MenuPresenter
{
public:
    explicit CPSelectionPresenter(IView& view);
    ~CPSelectionPresenter() override {}

    // Null only when the page store had no room for it.
    Params::CPSelection* getSelection() const { return selection; }

private:
    Params::CPSelection* selection;
};

#endif
