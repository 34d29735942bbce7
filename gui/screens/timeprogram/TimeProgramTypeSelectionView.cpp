#include "gui/screens/timeprogram/TimeProgramTypeSelectionView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/MenuDescriptor.hpp"

namespace
{
const quillon::BitmapId CONFIRM_ICON = 210;
const uint32_t TILE_COUNT = 2;
} // namespace

TimeProgramTypeSelectionView::TimeProgramTypeSelectionView()
    : BaseView<TimeProgramTypeSelectionPresenter>(&Functors::getInstance().heating),
      tiles(static_cast<int32_t>(TILE_COUNT)),
      shown(false)
{
}

quillon::TextId TimeProgramTypeSelectionView::getTitleText()
{
    return presenter->getKind().overviewTitle;
}

const MenuDescriptor* TimeProgramTypeSelectionView::menu() const
{
    pagemanager::Page* page = pageManager != nullptr ? pageManager->getCurrentPage() : nullptr;
    const MenuDescriptor* descriptor = page != nullptr ? page->getPointer<const MenuDescriptor>() : nullptr;
    // A menu of fewer items would have the tiles read past it.
    return descriptor != nullptr && descriptor->items != nullptr && descriptor->itemCount >= TILE_COUNT ? descriptor
                                                                                                       : nullptr;
}

void TimeProgramTypeSelectionView::selectFromType()
{
    tiles.setSelectedTile(presenter->isAutomatic() ? AUTOMATIC_TILE : INDIVIDUAL_TILE);
}

void TimeProgramTypeSelectionView::setupContent(guicontrols::Content& area)
{
    const MenuDescriptor* descriptor = menu();
    if (descriptor == nullptr) {
        return;
    }
    for (uint32_t i = 0; i < TILE_COUNT; ++i) {
        tiles.setTile(static_cast<int32_t>(i), quillon::TypedText(static_cast<quillon::TextId>(descriptor->items[i].textId)),
                      quillon::Bitmap(quillon::BITMAP_NONE));
    }
    selectFromType();
    tiles.layoutIn(area);
    shown = true;
}

void TimeProgramTypeSelectionView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(CONFIRM_BUTTON, CONFIRM_ICON);
}

void TimeProgramTypeSelectionView::onBottomBarButton(int index)
{
    if (index != CONFIRM_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    if (tiles.getSelectedTile() == INDIVIDUAL_TILE) {
        const MenuDescriptor* descriptor = menu();
        if (descriptor == nullptr) {
            return;
        }
        presenter->selectIndividual();
        if (pageManager != nullptr && descriptor->items[INDIVIDUAL_TILE].target != nullptr) {
            pageManager->goTo(descriptor->items[INDIVIDUAL_TILE].target, false);
        }
        return;
    }
    presenter->selectAutomatic();
    showFeedback(quillon::TypedText(presenter->getAcceptedText()).getText()); // its end goes back
}

const quillon::WideChar* TimeProgramTypeSelectionView::getHelpText()
{
    return quillon::TypedText(presenter->getKind().typeHelp).getText();
}

void TimeProgramTypeSelectionView::refresh()
{
    if (shown && presenter->hasDataChanged()) {
        selectFromType();
    }
}
