#ifndef GUI_SCREENS_MENU_INTERVALSELECTIONMENUBUTTON_HPP
#define GUI_SCREENS_MENU_INTERVALSELECTIONMENUBUTTON_HPP

#include "gui/pages/IntervalMenuDescriptor.hpp"
#include "guicontrols/TileButton.hpp"

// A period tile: the chart it opens and the period it stores first.
class IntervalSelectionMenuButton : public guicontrols::TileButton
{
public:
    IntervalSelectionMenuButton() : item(nullptr) {}
    ~IntervalSelectionMenuButton() override {}

    void setItem(const IntervalMenuItem* menuItem) { item = menuItem; }
    const IntervalMenuItem* getItem() const { return item; }
    pagemanager::Page* getTarget() const { return item != nullptr ? item->target : nullptr; }
    const IntervalSelection* getValue() const { return item != nullptr ? item->interval : nullptr; }

private:
    const IntervalMenuItem* item;
};

#endif
