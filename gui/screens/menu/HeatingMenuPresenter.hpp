#ifndef GUI_SCREENS_MENU_HEATINGMENUPRESENTER_HPP
#define GUI_SCREENS_MENU_HEATINGMENUPRESENTER_HPP

#include "gui/screens/menu/MenuPresenter.hpp"

// The heating menu of one circuit: a tile menu like any other.
class HeatingMenuPresenter : public MenuPresenter
{
public:
    explicit HeatingMenuPresenter(IView& view) : MenuPresenter(view) {}
    ~HeatingMenuPresenter() override {}
};

#endif
