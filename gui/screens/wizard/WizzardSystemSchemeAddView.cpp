#include "gui/screens/wizard/WizzardSystemSchemeAddView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"

#include <quillon/TypedText.hpp>

WizzardSystemSchemeAddView::WizzardSystemSchemeAddView()
    : BaseView<WizzardSystemSchemeAddPresenter>(&Functors::getInstance().plain),
      plusClicked(this, &WizzardSystemSchemeAddView::onPlusClicked),
      wasAdded(false),
      addMarked(false)
{
    plusButton.setAction(plusClicked);
}

const quillon::WideChar* WizzardSystemSchemeAddView::getHelpText()
{
    return quillon::TypedText(HELP_TEXT).getText();
}

void WizzardSystemSchemeAddView::setupContent(guicontrols::Content& area)
{
    (void)area;
    wasAdded = presenter != nullptr && presenter->hasAddedCylinder();
    layoutContent();
}

void WizzardSystemSchemeAddView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(OK_BUTTON, OK_ICON);
}

void WizzardSystemSchemeAddView::update()
{
    layoutContent();
}

void WizzardSystemSchemeAddView::layoutContent()
{
    content.reset();
    plusButton.setBitmaps(quillon::Bitmap(PLUS_RELEASED), quillon::Bitmap(PLUS_PRESSED));
    plusButton.setIcon(quillon::Bitmap(PLUS_ICON));
    symbol.setDevice(CYLINDER_SYMBOL, 0, guicontrols::SystemSchemeDeviceButton::DISPLAY_ONLY,
                     guicontrols::SystemSchemeDeviceButton::NO_LINE);
    symbol.setXY(static_cast<int16_t>((content.getWidth() - symbol.getWidth()) / 2), TOP);
    // Centred on the symbol, its lower edge a little above the symbol's.
    plusButton.setXY(static_cast<int16_t>(symbol.getX() + (symbol.getWidth() - plusButton.getWidth()) / 2),
                     static_cast<int16_t>(symbol.getHeight() - plusButton.getHeight() + PLUS_ABOVE_BOTTOM));
    content.add(symbol);
    if (!wasAdded && !addMarked) {
        content.add(plusButton);
    }
    content.invalidate();
}

void WizzardSystemSchemeAddView::onPlusClicked(const quillon::AbstractButton& button)
{
    (void)button;
    addMarked = true;
    plusButton.invalidate();
    content.remove(plusButton);
}

void WizzardSystemSchemeAddView::onBottomBarButton(int index)
{
    switch (index) {
    case OK_BUTTON:
        if (addMarked && presenter != nullptr) {
            presenter->setAddedCylinder();
        }
        if (pageManager != nullptr) {
            pageManager->back();
        }
        break;
    default:
        GenericView::onBottomBarButton(index);
        break;
    }
}
