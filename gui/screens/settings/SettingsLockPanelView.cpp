#include "gui/screens/settings/SettingsLockPanelView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/shell/ShellContext.hpp"
#include "guicontrols/Frame.hpp"

SettingsLockPanelView::SettingsLockPanelView()
    : BaseView<SettingsLockPanelPresenter>(&Functors::getInstance().plain),
      tileCallback(this, &SettingsLockPanelView::onTileClicked)
{
}

const quillon::WideChar* SettingsLockPanelView::getHelpText()
{
    return quillon::TypedText(HELP).getText();
}

void SettingsLockPanelView::setupContent(guicontrols::Content& area)
{
    tiles[0].setText(quillon::TypedText(HOME_ONLY_TEXT).getText());
    tiles[1].setText(quillon::TypedText(EVERYTHING_TEXT).getText());
    for (guicontrols::TileButton& tile : tiles) {
        tile.setAction(tileCallback);
    }
    guicontrols::Frame::placeTiles(area, tiles, TILE_COUNT, 0);
}

void SettingsLockPanelView::onTileClicked(const quillon::AbstractButton& tile)
{
    ShellContext* context = ShellContext::running();
    if (context == nullptr || pageManager == nullptr) {
        return;
    }
    const uint16_t mode = &tile == &tiles[0] ? MODE_HOME_ONLY : MODE_EVERYTHING;
    pageManager->setParam(Params::PanelLockMode{mode});
    pageManager->goTo(&context->pages->lockPanelEnablePage, false);
}
