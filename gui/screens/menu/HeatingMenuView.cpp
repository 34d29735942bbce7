#include "gui/screens/menu/HeatingMenuView.hpp"

#include "gui/common/Functors.hpp"

HeatingMenuView::HeatingMenuView() : MenuView(&Functors::getInstance().heating) {}
