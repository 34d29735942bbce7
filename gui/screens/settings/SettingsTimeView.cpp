#include "gui/screens/settings/SettingsTimeView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"

#include <quillon/TypedText.hpp>

SettingsTimeView::SettingsTimeView() : SettingsAcceptView<SettingsTimePresenter>(&Functors::getInstance().plain) {}

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

void SettingsTimeView::onAccept()
{
    // Nothing to tell the user either way: a refused time shows on the clock.
    (void)presenter->setTime(timeEdit.getTime());
    if (pageManager != nullptr) {
        pageManager->back();
    }
}
