#include "gui/screens/settings/SettingsTimeView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"

#include <quillon/TypedText.hpp>

SettingsTimeView::SettingsTimeView() : BaseView<SettingsTimePresenter>(&Functors::getInstance().plain) {}

const quillon::WideChar* SettingsTimeView::getHelpText()
{
    return quillon::TypedText(781).getText();
}

void SettingsTimeView::setupContent(guicontrols::Content& area)
{
    timeEdit.setXY(EDIT_X, EDIT_Y);
    timeEdit.setMinuteStep(1);
    timeEdit.setAllow24(false);
    timeEdit.setTime(presenter->getTime());
    area.add(timeEdit);
}

void SettingsTimeView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(OK_BUTTON, ACCEPT_ICON);
}

void SettingsTimeView::onBottomBarButton(int index)
{
    if (index != OK_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    // Nothing to tell the user either way: a refused time shows on the clock.
    (void)presenter->setTime(timeEdit.getTime());
    if (pageManager != nullptr) {
        pageManager->back();
    }
}
