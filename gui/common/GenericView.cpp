#include "gui/common/GenericView.hpp"

#include "gui/common/TitleFunctor.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/popups/PopupSystem.hpp"
#include "gui/shell/ShellContext.hpp"
#include "guicontrols/Frame.hpp"
#include "model/DataModelManager.hpp"

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
      feedbackMode(*this),
      topBar(0, 0, displayWidth(), TOP_BAR_HEIGHT),
      content(0, TOP_BAR_HEIGHT, displayWidth(),
              static_cast<int16_t>(displayHeight() - TOP_BAR_HEIGHT - BOTTOM_BAR_HEIGHT)),
      bottomBar(0, static_cast<int16_t>(displayHeight() - BOTTOM_BAR_HEIGHT), displayWidth(), BOTTOM_BAR_HEIGHT),
      pageManager(ShellContext::current().pageManager),
      viewModel(ShellContext::current().model),
      titleFunctor(functor),
      popupContainer(),
      confirmMode(*this),
      helpMode(*this),
      bottomBarCallback(this, &GenericView::onBottomBarButtonClicked),
      contentCallback(this, &GenericView::onContentSizeChanged),
      serviceNoticeShown(false)
{
    PopupSystem* popupSystem = ShellContext::current().popupSystem;
    if (popupSystem != nullptr) {
        popupContainer.emplace(*popupSystem);
    }
    bottomBar.setButtonCallback(bottomBarCallback);
    content.setChangeCallback(contentCallback);
    serviceNoticeShown = isServiceNoticePending();
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
    if (popupContainer) {
        // Added last: it lies over bars and content.
        guicontrols::Frame::fill(container, *popupContainer);
        add(*popupContainer);
    }
    applyViewMode();
}

void GenericView::onTick()
{
    // Compared every frame rather than on the point's changed flag: the popup rules and the
    // home screen read the same point, and a read clears its flag for every reader.
    const bool pending = isServiceNoticePending();
    if (pending != serviceNoticeShown) {
        serviceNoticeShown = pending;
        rebuildBottomBar();
    }
    currentViewMode->tick();
}

bool GenericView::isServiceNoticePending()
{
    if (viewModel == nullptr) {
        return false;
    }
    const model::CommonGroup& common = viewModel->getGroups().common;
    return common.getServiceCount() != 0 || common.hasServiceNotice();
}

void GenericView::applyViewMode()
{
    currentViewMode->setupTopBar(topBar);
    currentViewMode->setupContent(content);
    currentViewMode->setupBottomBar(bottomBar);
    updatePopupContainer();
}

void GenericView::updatePopupContainer()
{
    // Only the feedback mode holds popups back; they come up when it ends.
    if (popupContainer) {
        popupContainer->setEnabled(currentViewMode->allowsPopups());
        popupContainer->update();
    }
}

void GenericView::clearBars()
{
    topBar.clear();
    content.reset();
    bottomBar.clearAllButtons();
}

void GenericView::rebuildBottomBar()
{
    bottomBar.clearAllButtons();
    currentViewMode->setupBottomBar(bottomBar);
    bottomBar.invalidate();
}

void GenericView::setViewMode(IViewMode* mode)
{
    clearBars();
    currentViewMode = mode != nullptr ? mode : this;
    applyViewMode();
    container.invalidate();
}

void GenericView::onContentSizeChanged()
{
    // Only paged content has scroll buttons to follow its position.
    if (content.getWidth() > displayWidth()) {
        rebuildBottomBar();
    }
}

const quillon::WideChar* GenericView::modeTitle()
{
    const quillon::WideChar* title = getTitle();
    return hasText(title) ? title : topBar.getTitleText();
}

void GenericView::showFeedback(const quillon::WideChar* message, const quillon::WideChar* argument1,
                               const quillon::WideChar* argument2, const quillon::WideChar* topRightText)
{
    const quillon::WideChar* title = getTitle();
    if (hasText(title)) {
        feedbackMode.setup(title, message, nullptr, argument1, argument2, nullptr);
    } else {
        feedbackMode.setup(topBar.getTitleText(), message, nullptr, argument1, argument2, topRightText);
    }
    setViewMode(&feedbackMode);
}

void GenericView::showConfirm(const quillon::WideChar* question, const quillon::WideChar* argument1,
                              const quillon::WideChar* argument2)
{
    confirmMode.setup(modeTitle(), question, argument1, argument2);
    setViewMode(&confirmMode);
}

void GenericView::showHelp(const quillon::WideChar* helpText)
{
    helpMode.setup(modeTitle(), helpText);
    setViewMode(&helpMode);
}

void GenericView::onViewModeFinished()
{
    bool handled = false;
    if (currentViewMode == &feedbackMode) {
        onFeedbackFinished(&handled);
    } else if (currentViewMode == &confirmMode) {
        onConfirmFinished(confirmMode.getResult(), &handled);
    }
    if (!handled) {
        setViewMode(this);
    }
}

void GenericView::onFeedbackFinished(bool* handled)
{
    if (pageManager != nullptr) {
        pageManager->back();
    }
    *handled = true;
}

void GenericView::onConfirmFinished(uint8_t result, bool* handled)
{
    (void)result; // gone back whatever the answer
    if (pageManager != nullptr) {
        pageManager->back();
    }
    *handled = true;
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
    if (pageManager != nullptr && pageManager->getHistorySize() != 0) {
        // The icon the nearest home page handed on; without one there is no home button.
        const Params::HomeIcon* home = pageManager->getParam<Params::HomeIcon>(nullptr);
        if (home != nullptr && home->bitmap != quillon::BITMAP_NONE) {
            bar.setButtonIcon(HOME_BUTTON, home->bitmap);
        }
        bar.setButtonIcon(BACK_BUTTON, BACK_ICON);
    }
    if (getHelpText() != nullptr) {
        bar.setButtonIcon(HELP_BUTTON, HELP_ICON);
    }
    if (serviceNoticeShown) {
        bar.setButtonIcon(SERVICE_NOTICE_BUTTON, SERVICE_NOTICE_ICON);
    }
    if (content.getWidth() > displayWidth()) {
        const bool scrolled = content.getX() < 0;
        bar.clearButton(scrolled ? SCROLL_ON_BUTTON : SCROLL_BACK_BUTTON);
        bar.setButtonIcon(scrolled ? SCROLL_BACK_BUTTON : SCROLL_ON_BUTTON, scrolled ? SCROLL_BACK_ICON : SCROLL_ON_ICON);
    } else {
        bar.clearButton(SCROLL_BACK_BUTTON);
        bar.clearButton(SCROLL_ON_BUTTON);
    }
}

void GenericView::onBottomBarButton(int index)
{
    switch (index) {
    case HOME_BUTTON:
        if (pageManager != nullptr) {
            pageManager->backTo(true);
        }
        break;
    case BACK_BUTTON:
        if (pageManager != nullptr) {
            pageManager->back();
        }
        break;
    case HELP_BUTTON:
        if (getHelpText() != nullptr) {
            showHelp(getHelpText());
        }
        break;
    case SCROLL_BACK_BUTTON:
        content.setX(0);
        content.invalidate();
        break;
    case SCROLL_ON_BUTTON:
        content.setX(SCROLLED_X);
        content.invalidate();
        break;
    default: // the service notice only signals
        break;
    }
}
