#include "gui/screens/wizard/WizardReportMenuView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ShellPages.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/screens/wizard/WizardStepTitle.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/TypedText.hpp>

namespace
{
struct TileTarget
{
    quillon::TextId text;
    pagemanager::Page Pages::*page;
};

const TileTarget TARGETS[WizardReportMenuView::TILE_COUNT] = {
    {924, &Pages::wizardReportResultPage},    // "Results"
    {1015, &Pages::wizardDetectedDevicesPage}, // "Components", in its report form
    {911, &Pages::wizardReportSettingsPage},   // "Settings"
};
} // namespace

WizardReportMenuView::WizardReportMenuView()
    : BaseView<WizardReportMenuPresenter>(&Functors::getInstance().plain),
      tileClicked(this, &WizardReportMenuView::onTileClicked),
      stepText()
{
    for (guicontrols::CheckableTileButton& tile : tiles) {
        tile.setAction(tileClicked);
    }
    if (pageManager != nullptr) {
        pageManager->clearHistory();
        Params::Commissioning* mask = pageManager->getParam<Params::Commissioning>(nullptr);
        if (mask != nullptr) {
            mask->mask |= REPORT_REACHED_BIT;
        }
    }
}

void WizardReportMenuView::setupTopBar(guicontrols::TopBar& bar)
{
    WizardStepTitle::show(bar, TITLE_TEXT, "5", stepText, STEP_TEXT_SIZE);
}

void WizardReportMenuView::setupContent(guicontrols::Content& area)
{
    for (uint8_t i = 0; i < TILE_COUNT; ++i) {
        tiles[i].setText(quillon::TypedText(TARGETS[i].text).getText());
    }
    guicontrols::Frame::placeTiles(area, tiles, TILE_COUNT, 0);
}

void WizardReportMenuView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.clearButton(HOME_BUTTON);
    bar.clearButton(BACK_BUTTON);
    // The bar keeps the colour's address: the palette's own entry outlives it.
    bar.setButtonText(FINISH_BUTTON, FINISH_TEXT, &guicontrols::Palette::entry(FINISH_COLOR));
}

void WizardReportMenuView::onBottomBarButton(int index)
{
    if (index == FINISH_BUTTON) {
        finish();
        return;
    }
    GenericView::onBottomBarButton(index);
}

const quillon::WideChar* WizardReportMenuView::getHelpText()
{
    return quillon::TypedText(HELP_TEXT).getText();
}

void WizardReportMenuView::onTileClicked(const quillon::AbstractButton& tile)
{
    for (uint8_t i = 0; i < TILE_COUNT; ++i) {
        pagemanager::Page* target = ShellPages::page(TARGETS[i].page);
        if (&tile == &tiles[i] && target != nullptr && pageManager != nullptr) {
            pageManager->goTo(target, false);
            return;
        }
    }
}

void WizardReportMenuView::finish()
{
    Pages* pages = ShellPages::find();
    if (presenter == nullptr || pageManager == nullptr || pages == nullptr) {
        return;
    }
    presenter->finishCommissioning();
    pageManager->reset();
    pageManager->goTo(&pages->mainPage, true);
}
