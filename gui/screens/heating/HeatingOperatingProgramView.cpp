#include "gui/screens/heating/HeatingOperatingProgramView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId TEXT_TITLE = 840; // "Operating program"
const quillon::TextId TEXT_HELP = 699;

struct Tile
{
    quillon::TextId text;
    quillon::BitmapId icon;
};
// Tile n sets program n.
const Tile TILES[] = {
    {804, 173},  // "Standby mode"
    {1050, 120}, // "DHW only"
    {961, 116},  // "Heating and DHW"
};
} // namespace

HeatingOperatingProgramView::HeatingOperatingProgramView()
    : BaseView<HeatingOperatingProgramPresenter>(&Functors::getInstance().heating),
      connectionMode(*this),
      controlMode(*this),
      tiles(3),
      notice(Notice::None),
      noticeShown(0)
{
}

quillon::TextId HeatingOperatingProgramView::getTitleText()
{
    return TEXT_TITLE;
}

const quillon::WideChar* HeatingOperatingProgramView::getHelpText()
{
    return quillon::TypedText(TEXT_HELP).getText();
}

void HeatingOperatingProgramView::setupContent(guicontrols::Content& area)
{
    for (int32_t i = 0; i < 3; ++i) {
        tiles.setTile(i, quillon::TypedText(TILES[i].text), quillon::Bitmap(TILES[i].icon));
    }
    updateState();
    if (showsTiles()) {
        tiles.layoutIn(area);
    }
}

void HeatingOperatingProgramView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(CONFIRM_BUTTON, CONFIRM_ICON);
}

void HeatingOperatingProgramView::onBottomBarButton(int index)
{
    if (index != CONFIRM_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    const int32_t tile = tiles.getSelectedTile();
    if (pageManager != nullptr) {
        pageManager->back();
    }
    presenter->setOperatingProgram(static_cast<uint8_t>(tile));
}

void HeatingOperatingProgramView::update()
{
    updateState();
}

// Once per visit a notice may stand before the tiles; an external program wins over an
// external connection. A notice is shown from within the set-up of the tiles: it takes the
// bars and the content over, and the tiles are not laid out.
void HeatingOperatingProgramView::updateState()
{
    const uint8_t program = presenter->getOperatingProgram();
    if (noticeShown == 0 && program >= HeatingOperatingProgramPresenter::FIRST_EXTERNAL_PROGRAM) {
        noticeShown = 1;
        notice = Notice::ExternalControl;
        controlMode.setCircuit(presenter->getCircuit());
        setViewMode(&controlMode);
        return;
    }
    if (noticeShown == 0 && presenter->isExternallyConnected()) {
        noticeShown = 1;
        notice = Notice::ExternalConnection;
        setViewMode(&connectionMode);
        return;
    }
    tiles.setSelectedTile(program < HeatingOperatingProgramPresenter::FIRST_EXTERNAL_PROGRAM ? program : 0);
}

void HeatingOperatingProgramView::onViewModeFinished()
{
    if (getViewMode() != &controlMode && getViewMode() != &connectionMode) {
        GenericView::onViewModeFinished();
        return;
    }
    if (getViewMode() == &controlMode && controlMode.isYesSelected()) {
        notice = Notice::None;
        setViewMode(this); // the tiles, set up again; the notice is not shown twice
        return;
    }
    if (pageManager != nullptr) {
        pageManager->back();
    }
}
