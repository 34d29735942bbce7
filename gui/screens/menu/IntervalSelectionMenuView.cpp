#include "gui/screens/menu/IntervalSelectionMenuView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "guicontrols/Frame.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const uint32_t NO_TEXT = 0xFFFF;
const uint8_t GRID_COLUMNS = 2;
} // namespace

IntervalSelectionMenuView::IntervalSelectionMenuView()
    : BaseView<IntervalSelectionMenuPresenter>(&Functors::getInstance().plain),
      tileCount(0),
      tileClicked(this, &IntervalSelectionMenuView::onTileClicked)
{
}

const IntervalMenuDescriptor* IntervalSelectionMenuView::getDescriptor() const
{
    if (pageManager == nullptr || pageManager->getCurrentPage() == nullptr) {
        return nullptr;
    }
    return pageManager->getCurrentPage()->getPointer<IntervalMenuDescriptor>();
}

void IntervalSelectionMenuView::setupContent(guicontrols::Content& area)
{
    const IntervalMenuDescriptor* descriptor = getDescriptor();
    if (descriptor == nullptr) {
        return;
    }
    tileCount = 0;
    // Items past the six tiles have nowhere to go.
    for (uint32_t i = 0; i < descriptor->itemCount && tileCount < MAX_TILES; ++i) {
        const IntervalMenuItem& item = descriptor->items[i];
        IntervalSelectionMenuButton& tile = tiles[tileCount];
        tile.setIcon(quillon::Bitmap(static_cast<quillon::BitmapId>(item.bitmapId)));
        tile.setText(quillon::TypedText(static_cast<quillon::TextId>(item.textId)).getText());
        tile.setItem(&item);
        tile.setAction(tileClicked);
        ++tileCount;
    }
    area.reset();
    const uint16_t count = static_cast<uint16_t>(tileCount);
    if (count <= 3) {
        guicontrols::Frame::placeTilesInRow(area, tiles, count);
    } else if (count == 4) {
        guicontrols::Frame::placeTilesInGrid(area, tiles, count, GRID_COLUMNS);
    } else {
        guicontrols::Frame::placeTiles(area, tiles, count, 0);
    }
    area.invalidate();
}

quillon::TextId IntervalSelectionMenuView::getTitleText()
{
    const IntervalMenuDescriptor* descriptor = getDescriptor();
    return descriptor != nullptr ? static_cast<quillon::TextId>(descriptor->titleTextId & 0xFFFF)
                                 : quillon::TYPED_TEXT_INVALID;
}

const quillon::WideChar* IntervalSelectionMenuView::getHelpText()
{
    const IntervalMenuDescriptor* descriptor = getDescriptor();
    if (descriptor == nullptr || descriptor->helpTextId == NO_TEXT) {
        return nullptr;
    }
    return quillon::TypedText(static_cast<quillon::TextId>(descriptor->helpTextId)).getText();
}

void IntervalSelectionMenuView::onTileClicked(const quillon::AbstractButton& tile)
{
    const IntervalSelectionMenuButton& button = static_cast<const IntervalSelectionMenuButton&>(tile);
    if (button.getTarget() == nullptr || pageManager == nullptr) {
        return;
    }
    if (button.getValue() != nullptr) {
        pageManager->setParam(*button.getValue());
    }
    pageManager->goTo(button.getTarget(), false);
}
