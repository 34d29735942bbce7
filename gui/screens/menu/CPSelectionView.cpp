#include "gui/screens/menu/CPSelectionView.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/screens/menu/CPSelectionPresenter.hpp"

CPSelectionView::CPSelectionView() : MenuView(), cpTileClicked(this, &CPSelectionView::onCpTileClicked) {}

void CPSelectionView::setupContent(guicontrols::Content& area)
{
    MenuView::setupContent(area);
    for (uint32_t i = 0; i < tileCount; ++i) {
        tiles[i].setAction(cpTileClicked);
    }
}

quillon::TextId CPSelectionView::getTitleText()
{
    const quillon::TextId title = MenuView::getTitleText();
    if (title == SYSTEM_CONFIGURATION) {
        return title;
    }
    const Params::CPSelection* selection =
        presenter != nullptr ? static_cast<CPSelectionPresenter*>(presenter)->getSelection() : nullptr;
    return selection != nullptr && selection->level == 1 ? LEVEL_1_GROUPS : LEVEL_2_GROUPS;
}

void CPSelectionView::onCpTileClicked(const quillon::AbstractButton& tile)
{
    const MenuButton& button = static_cast<const MenuButton&>(tile);
    if (button.getItem() == nullptr || button.getTarget() == nullptr || pageManager == nullptr) {
        return;
    }
    Params::CPSelection* selection =
        presenter != nullptr ? static_cast<CPSelectionPresenter*>(presenter)->getSelection() : nullptr;
    // No menu of the page tree chooses the level: the value is always the group.
    if (selection != nullptr && getDescriptor() != nullptr) {
        selection->group = static_cast<uint8_t>(button.getItem()->value);
    }
    pageManager->goTo(button.getTarget(), false);
}
