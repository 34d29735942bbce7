#ifndef GUI_SCREENS_MENU_CPSELECTIONVIEW_HPP
#define GUI_SCREENS_MENU_CPSELECTIONVIEW_HPP

#include "gui/screens/menu/MenuView.hpp"

// A menu of parameter levels or groups: a tile records its value in the selection, then
// opens its page.
class CPSelectionView : public MenuView
{
public:
    static const quillon::TextId SYSTEM_CONFIGURATION = 1135;
    static const quillon::TextId LEVEL_1_GROUPS = 953;
    static const quillon::TextId LEVEL_2_GROUPS = 954;

    CPSelectionView();
    ~CPSelectionView() override {}

    void setupContent(guicontrols::Content& area) override;
    quillon::TextId getTitleText() override;

    void onCpTileClicked(const quillon::AbstractButton& tile);

private:
    quillon::Callback<CPSelectionView, const quillon::AbstractButton&> cpTileClicked;
};

#endif
