#include "gui/common/GenericView.hpp"

#include "gui/common/ShellContext.hpp"
#include "gui/common/TitleFunctor.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/hal/HAL.hpp>

namespace
{
const quillon::WideChar EMPTY[] = {0};

int16_t displayWidth()
{
    return static_cast<int16_t>(quillon::HAL::SCREEN_WIDTH);
}

int16_t displayHeight()
{
    return static_cast<int16_t>(quillon::HAL::SCREEN_HEIGHT);
}
} // namespace

GenericView::GenericView(TitleFunctor* functor)
    : currentViewMode(this),
      topBar(0, 0, displayWidth(), TOP_BAR_HEIGHT),
      content(0, TOP_BAR_HEIGHT, displayWidth(),
              static_cast<int16_t>(displayHeight() - TOP_BAR_HEIGHT - BOTTOM_BAR_HEIGHT)),
      bottomBar(0, static_cast<int16_t>(displayHeight() - BOTTOM_BAR_HEIGHT), displayWidth(), BOTTOM_BAR_HEIGHT),
      pageManager(ShellContext::current().pageManager),
      viewModel(ShellContext::current().model),
      titleFunctor(functor),
      bottomBarCallback(this, &GenericView::onBottomBarButtonClicked)
{
    bottomBar.setButtonCallback(bottomBarCallback);
}

void GenericView::setUp()
{
    if (titleFunctor != nullptr) {
        titleFunctor->setPageManager(pageManager);
        titleFunctor->setModel(viewModel);
    }
    beforeSetupScreen();
    add(topBar);
    add(content);
    add(bottomBar);
    applyViewMode();
}

void GenericView::onTick()
{
    currentViewMode->tick();
}

void GenericView::applyViewMode()
{
    currentViewMode->setupTopBar(topBar);
    currentViewMode->setupContent(content);
    currentViewMode->setupBottomBar(bottomBar);
}

void GenericView::clearBars()
{
    topBar.clear();
    content.reset();
    bottomBar.clearAllButtons();
}

void GenericView::setViewMode(IViewMode* mode)
{
    clearBars();
    currentViewMode = mode != nullptr ? mode : this;
    applyViewMode();
    container.invalidate();
}

void GenericView::onViewModeFinished()
{
    setViewMode(this);
}

const quillon::WideChar* GenericView::getTitle()
{
    const quillon::TextId id = getTitleText();
    return id == quillon::TYPED_TEXT_INVALID ? EMPTY : quillon::TypedText(id).getText();
}

void GenericView::setupTopBar(guicontrols::TopBar& bar)
{
    if (titleFunctor != nullptr) {
        (*titleFunctor)(bar, getTitle());
    }
}

void GenericView::setupBottomBar(guicontrols::BottomBar& bar)
{
    // At the root there is nowhere to go: neither home nor back.
    if (pageManager == nullptr || pageManager->getHistorySize() == 0) {
        return;
    }
    // The icon the nearest home page handed on; without one there is no home button.
    const Params::HomeIcon* home = pageManager->getParam<Params::HomeIcon>(nullptr);
    if (home != nullptr && home->bitmap != quillon::BITMAP_NONE) {
        bar.setButtonIcon(HOME_BUTTON, home->bitmap);
    }
    bar.setButtonIcon(BACK_BUTTON, BACK_ICON);
}

void GenericView::onBottomBarButton(int index)
{
    if (pageManager == nullptr) {
        return;
    }
    switch (index) {
    case HOME_BUTTON:
        pageManager->backTo(true);
        break;
    case BACK_BUTTON:
        pageManager->back();
        break;
    default:
        break;
    }
}
