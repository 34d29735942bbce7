#include "gui/screens/heating/HeatingOperatingProgramView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId TEXT_TITLE = 840; // "Operating program"
const quillon::TextId TEXT_HELP = 699;
const quillon::TextId TEXT_EXTERNAL_PROGRAM = 933; // "External program HC %s"

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
      tiles(3),
      notice(Notice::None),
      noticeShown(0),
      question()
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
    if (notice == Notice::None) {
        tiles.layoutIn(area);
    }
}

void HeatingOperatingProgramView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    if (notice == Notice::None) {
        bar.setButtonIcon(CONFIRM_BUTTON, CONFIRM_ICON);
    }
}

void HeatingOperatingProgramView::onBottomBarButton(int index)
{
    if (index != CONFIRM_BUTTON || notice != Notice::None) {
        GenericView::onBottomBarButton(index);
        return;
    }
    const int32_t tile = tiles.getSelectedTile();
    if (pageManager != nullptr) {
        pageManager->back();
    }
    presenter->setOperatingProgram(static_cast<uint8_t>(tile));
}

void HeatingOperatingProgramView::refresh()
{
    if (presenter->hasDataChanged()) {
        updateState();
    }
}

// Once per visit a notice may stand before the tiles; an external program wins over an
// external connection.
void HeatingOperatingProgramView::updateState()
{
    const uint8_t program = presenter->getOperatingProgram();
    if (noticeShown == 0 && program >= HeatingOperatingProgramPresenter::FIRST_EXTERNAL_PROGRAM) {
        noticeShown = 1;
        notice = Notice::ExternalControl;
        const quillon::WideChar number[2] = {static_cast<quillon::WideChar>('1' + presenter->getCircuit()), 0};
        const quillon::WideChar* format = quillon::TypedText(TEXT_EXTERNAL_PROGRAM).getText();
        uint16_t used = 0;
        for (const quillon::WideChar* c = format; *c != 0 && used + 1 < QUESTION_UNITS; ++c) {
            if (c[0] == '%' && c[1] == 's') {
                question[used++] = number[0];
                ++c;
            } else {
                question[used++] = *c;
            }
        }
        question[used] = 0;
        return;
    }
    if (noticeShown == 0 && presenter->isExternallyConnected()) {
        noticeShown = 1;
        notice = Notice::ExternalConnection;
        return;
    }
    tiles.setSelectedTile(program < HeatingOperatingProgramPresenter::FIRST_EXTERNAL_PROGRAM ? program : 0);
}

void HeatingOperatingProgramView::onNoticeFinished(bool yes)
{
    if (notice == Notice::ExternalControl && yes) {
        notice = Notice::None;
        setViewMode(this); // the tiles, set up again; the notice is not shown twice
        return;
    }
    if (pageManager != nullptr) {
        pageManager->back();
    }
}
