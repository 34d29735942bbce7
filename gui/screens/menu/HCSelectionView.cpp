#include "gui/screens/menu/HCSelectionView.hpp"

#include "gui/common/Functors.hpp"
#include "guicontrols/Frame.hpp"

namespace
{
const quillon::WideChar EMPTY[] = {0};
}

HCSelectionView::HCSelectionView()
    : BaseView<HCSelectionPresenter>(&Functors::getInstance().plain),
      tileClicked(this, &HCSelectionView::onTileClicked),
      tileCircuit{},
      tileIcon{},
      tileCount(0)
{
}

void HCSelectionView::setupContent(guicontrols::Content& area)
{
    tileCount = 0;
    if (presenter == nullptr) {
        return;
    }
    const uint8_t mode = presenter->getMode();
    for (uint8_t circuit = 0; circuit < HCSelectionPresenter::CIRCUITS; ++circuit) {
        if (!presenter->isCircuitAvailable(circuit)) {
            continue;
        }
        guicontrols::TileButton& tile = tiles[tileCount];
        quillon::BitmapId icon = static_cast<quillon::BitmapId>(FIRST_CIRCUIT_ICON + circuit);
        if (mode == HCSelectionPresenter::MODE_DHW_TIME_PROGRAM) {
            icon = DHW_ICON;
        } else if (mode == HCSelectionPresenter::MODE_CIRCULATION_TIME_PROGRAM) {
            icon = CIRCULATION_ICON;
        }
        tile.setIcon(quillon::Bitmap(icon));
        tile.setText(presenter->getCircuitName(circuit));
        tile.setAction(tileClicked);
        tileCircuit[tileCount] = circuit;
        tileIcon[tileCount] = icon;
        ++tileCount;
    }
    guicontrols::Frame::placeTiles(area, tiles, tileCount, 0);
}

const quillon::WideChar* HCSelectionView::getTitle()
{
    return presenter != nullptr ? presenter->getTitle() : EMPTY;
}

const quillon::WideChar* HCSelectionView::getHelpText()
{
    return presenter != nullptr ? presenter->getHelpText() : nullptr;
}

void HCSelectionView::onTileClicked(const quillon::AbstractButton& tile)
{
    for (uint8_t i = 0; i < tileCount; ++i) {
        if (&tile == &tiles[i]) {
            presenter->selectCircuit(tileCircuit[i]);
            return;
        }
    }
}
