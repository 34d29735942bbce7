#ifndef GUI_SCREENS_MENU_HEATINGMENUVIEW_HPP
#define GUI_SCREENS_MENU_HEATINGMENUVIEW_HPP

#include "gui/screens/menu/MenuView.hpp"

// The heating menu: its title names the circuit the user chose.
class HeatingMenuView : public MenuView
{
public:
    HeatingMenuView();
    ~HeatingMenuView() override {}
};

#endif
