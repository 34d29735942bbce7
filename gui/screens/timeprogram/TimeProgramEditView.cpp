#include "gui/screens/timeprogram/TimeProgramEditView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"

#include <string.h>

namespace
{
const quillon::BitmapId CONFIRM_ICON = 210;
} // namespace

TimeProgramEditView::TimeProgramEditView()
    : BaseView<TimeProgramEditPresenter>(&Functors::getInstance().heating), circuit(0), day(0), loaded(false), title()
{
}

const HeatingCircuitParam* TimeProgramEditView::newestParam() const
{
    return pageManager != nullptr ? pageManager->getParam<HeatingCircuitParam>() : nullptr;
}

void TimeProgramEditView::formatTitle(uint8_t titleDay)
{
    TimeProgramDays::formatTitle(title, titleDay);
}

void TimeProgramEditView::setupTopBar(guicontrols::TopBar& bar)
{
    const HeatingCircuitParam* param = newestParam();
    if (param != nullptr) {
        formatTitle(TimeProgramStore::safeDay(param->day));
    } else {
        title[0] = 0;
    }
    GenericView::setupTopBar(bar);
}

void TimeProgramEditView::setupContent(guicontrols::Content& area)
{
    const HeatingCircuitParam* param = newestParam();
    if (param == nullptr) {
        return;
    }
    const HeatingCircuitParam safe = TimeProgramStore::safeParam(*param);
    circuit = safe.circuit;
    day = safe.day;
    const time_point record = presenter->getDayProgram(circuit, day);
    editor.setSwitchTimes(record.bytes);
    loaded = true;
    area.add(editor);
}

void TimeProgramEditView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(CONFIRM_BUTTON, CONFIRM_ICON);
}

void TimeProgramEditView::onBottomBarButton(int index)
{
    if (index != CONFIRM_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    if (loaded) {
        time_point record;
        memcpy(record.bytes, editor.getSwitchTimes(), sizeof(record.bytes));
        presenter->setDayProgram(circuit, day, record);
    }
    showFeedback(quillon::TypedText(ACCEPTED_TEXT).getText()); // its end goes back to the overview
}

const quillon::WideChar* TimeProgramEditView::getHelpText()
{
    return quillon::TypedText(HELP_TEXT).getText();
}
