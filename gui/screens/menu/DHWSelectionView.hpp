#ifndef GUI_SCREENS_MENU_DHWSELECTIONVIEW_HPP
#define GUI_SCREENS_MENU_DHWSELECTIONVIEW_HPP

#include "gui/screens/menu/DHWSelectionPresenter.hpp"
#include "gui/screens/menu/HCSelectionView.hpp"

// The circuit selection over the hot-water devices; its presenter decides which exist.
class DHWSelectionView : public HCSelectionView
{
public:
    DHWSelectionView() {}
    ~DHWSelectionView() override {}
};

#endif
