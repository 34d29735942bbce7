#include "gui/screens/settings/SettingsLanTypeView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/shell/ShellContext.hpp"

SettingsLanTypeView::SettingsLanTypeView() : BaseView<SettingsLanTypePresenter>(&Functors::getInstance().plain), tiles(2) {}

const quillon::WideChar* SettingsLanTypeView::getHelpText()
{
    return quillon::TypedText(HELP).getText();
}

void SettingsLanTypeView::setupContent(guicontrols::Content& area)
{
    tiles.setTile(DHCP_TILE, quillon::TypedText(DHCP_TEXT), quillon::Bitmap(quillon::BITMAP_NONE));
    tiles.setTile(STATIC_TILE, quillon::TypedText(STATIC_TEXT), quillon::Bitmap(quillon::BITMAP_NONE));
    tiles.setSelectedTile(presenter->isStatic() ? STATIC_TILE : DHCP_TILE); // once, at set-up
    tiles.layoutIn(area);
}

void SettingsLanTypeView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(ACCEPT_BUTTON, ACCEPT_ICON);
}

void SettingsLanTypeView::onBottomBarButton(int index)
{
    ShellContext* context = ShellContext::running();
    if (index != ACCEPT_BUTTON || context == nullptr || pageManager == nullptr) {
        GenericView::onBottomBarButton(index);
        return;
    }
    Pages& pages = *context->pages;
    if (tiles.getSelectedTile() == STATIC_TILE) {
        presenter->config().state = LanConfigState::STATIC_TEST;
        pageManager->goTo(&pages.lanStaticConfigPage, false);
        return;
    }
    presenter->setStatic(false);
    presenter->config().state = LanConfigState::DHCP_TEST;
    pageManager->goTo(&pages.lanConnectionTestPage, false);
}
