#include "gui/screens/setpoint/SetpointTempView.hpp"

#include "gui/pagemanager/PageManager.hpp"

void SetpointTempView::setupContent(guicontrols::Content& area)
{
    temperatureEdit.setXY(EDIT_X, EDIT_Y);
    // Limits first: the editor clamps the value it is given.
    temperatureEdit.setMinimum(presenter->getMinimum());
    temperatureEdit.setMaximum(presenter->getMaximum());
    temperatureEdit.setValue(presenter->getValue());
    area.add(temperatureEdit);
}

void SetpointTempView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(OK_BUTTON, ACCEPT_ICON);
}

void SetpointTempView::onBottomBarButton(int index)
{
    if (index != OK_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    // Written even when unchanged: the user confirmed what is shown.
    presenter->setValue(static_cast<uint8_t>(temperatureEdit.getValue()));
    if (pageManager != nullptr) {
        pageManager->back();
    }
}
