#include "gui/screens/wizard/WizzardSystemSchemeEditView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ShellPages.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/screens/wizard/SchemeRules.hpp"
#include "model/devices/DeviceIds.hpp"

#include <quillon/TypedText.hpp>

WizzardSystemSchemeEditView::WizzardSystemSchemeEditView()
    : BaseView<WizzardSystemSchemeEditPresenter>(&Functors::getInstance().plain),
      buttonClicked(this, &WizzardSystemSchemeEditView::onButtonClicked)
{
    addButton.setText(quillon::TypedText(ADD_TEXT));
    addButton.setIcon(quillon::Bitmap(ADD_ICON), ICON_OFFSET);
    addButton.setAction(buttonClicked);
    removeButton.setText(quillon::TypedText(REMOVE_TEXT));
    removeButton.setIcon(quillon::Bitmap(REMOVE_ICON), ICON_OFFSET);
    removeButton.setAction(buttonClicked);
}

void WizzardSystemSchemeEditView::setupContent(guicontrols::Content& area)
{
    (void)area;
    layoutButtons();
}

void WizzardSystemSchemeEditView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(BACK_BUTTON, BACK_ICON);
}

void WizzardSystemSchemeEditView::update()
{
    layoutButtons();
}

void WizzardSystemSchemeEditView::layoutButtons()
{
    const int16_t x = static_cast<int16_t>((content.getWidth() - addButton.getWidth()) / 2);
    addButton.setPosition(x, TOP, 0, 0);
    removeButton.setPosition(x, TOP, 0, 0);
    content.reset();
    if (presenter == nullptr) {
        return;
    }
    const uint8_t scheme = presenter->getScheme();
    if (SchemeRules::canAddCylinder(scheme, presenter->isAvailable(DEVICE_BOILER_1), presenter->hasSolar())) {
        content.add(addButton);
        removeButton.setY(static_cast<int16_t>(addButton.getHeight() + GAP));
        if (presenter->hasAddedCylinder()) {
            content.add(removeButton);
        }
    }
    if (SchemeRules::canRemoveFirstCircuit(scheme) && !content.contains(removeButton)) {
        content.add(removeButton);
    }
    content.invalidate();
}

void WizzardSystemSchemeEditView::onButtonClicked(const quillon::AbstractButton& button)
{
    Pages* pages = ShellPages::find();
    if (pageManager == nullptr || pages == nullptr) {
        return;
    }
    pageManager->goTo(&button == &addButton ? &pages->wizardSchemeAddPage : &pages->wizardSchemeRemovePage, false);
}
