#include "gui/screens/wizard/WizzardSystemSchemeRemoveView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/screens/wizard/SchemeRules.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const uint32_t REMOVE_MODE = 1;
} // namespace

WizzardSystemSchemeRemoveView::WizzardSystemSchemeRemoveView()
    : BaseView<WizzardSystemSchemeRemovePresenter>(&Functors::getInstance().plain),
      canvas(REMOVE_MODE),
      initialScheme(0),
      initialAdded(false)
{
    canvas.getScheme().setClickHandler(this, &WizzardSystemSchemeRemoveView::markClicked);
}

const quillon::WideChar* WizzardSystemSchemeRemoveView::getHelpText()
{
    return quillon::TypedText(HELP_TEXT).getText();
}

void WizzardSystemSchemeRemoveView::setupContent(guicontrols::Content& area)
{
    (void)area;
    if (presenter != nullptr) {
        initialScheme = presenter->getScheme();
        initialAdded = presenter->hasAddedCylinder();
    }
    buildScheme();
}

void WizzardSystemSchemeRemoveView::buildScheme()
{
    if (presenter != nullptr && !canvas.build(content, *presenter, pageManager)) {
        updatePopupContainer();
    }
}

void WizzardSystemSchemeRemoveView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(OK_BUTTON, OK_ICON);
    if (presenter != nullptr) {
        canvas.setScrollButtons(bar, presenter->hasSolar());
    }
}

void WizzardSystemSchemeRemoveView::refresh()
{
    if (presenter == nullptr) {
        return;
    }
    canvas.updateScrollButtons(bottomBar, presenter->hasSolar());
    // What the model says now wins over the crosses not yet confirmed.
    if (presenter->hasDataChanged()) {
        buildScheme();
    }
}

void WizzardSystemSchemeRemoveView::markClicked(void* context, int id)
{
    static_cast<WizzardSystemSchemeRemoveView*>(context)->onMarkClicked(id);
}

void WizzardSystemSchemeRemoveView::onMarkClicked(int id)
{
    guicontrols::SystemScheme& scheme = canvas.getScheme();
    guicontrols::SystemScheme::Configuration configuration = scheme.getConfiguration();
    if (id == guicontrols::SystemScheme::REMOVE_CIRCUIT_ID) {
        configuration.scheme = static_cast<uint8_t>(configuration.scheme - SchemeRules::CIRCUIT_STEP);
    } else if (id == guicontrols::SystemScheme::REMOVE_CYLINDER_ID) {
        configuration.flag2 = 0;
    } else {
        return;
    }
    scheme.setConfiguration(configuration);
    content.invalidate();
}

void WizzardSystemSchemeRemoveView::confirm()
{
    // After the error popup the widget holds no scheme of the model's: nothing to write.
    if (presenter != nullptr && canvas.isShown()) {
        const guicontrols::SystemScheme& scheme = canvas.getScheme();
        if (scheme.getScheme() != initialScheme) {
            presenter->setScheme(scheme.getScheme());
        }
        if (scheme.getSecondFlag() != 1 && initialAdded) {
            presenter->clearAddedCylinder();
        }
    }
    if (pageManager != nullptr) {
        pageManager->back();
    }
}

void WizzardSystemSchemeRemoveView::onBottomBarButton(int index)
{
    switch (index) {
    case OK_BUTTON:
        confirm();
        break;
    default:
        if (!canvas.onScrollButton(content, index)) {
            GenericView::onBottomBarButton(index);
        }
        break;
    }
}
