#include "gui/screens/timeprogram/TimeProgramOverviewView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/common/ShellPages.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/screens/timeprogram/TimeProgramDays.hpp"
#include "guicontrols/Palette.hpp"

namespace
{
const quillon::BitmapId SCALE = 227;
const quillon::TextId EDIT_TEXT = 818;
const quillon::TextId COPY_TEXT = 1020;
const uint16_t ROW_SPACING = 25;
const int16_t SCALE_OVERLAP = 18; // the first bar sits this far up into the scale's bottom
} // namespace

TimeProgramOverviewView::TimeProgramOverviewView()
    : BaseView<TimeProgramOverviewPresenter>(&Functors::getInstance().heating),
      circuit(0),
      selectedDay(0),
      readOnly(0),
      shown(false),
      dayCallback(this, &TimeProgramOverviewView::onDayClicked)
{
}

quillon::TextId TimeProgramOverviewView::getTitleText()
{
    return presenter->getKind().overviewTitle;
}

const quillon::WideChar* TimeProgramOverviewView::getHelpText()
{
    return quillon::TypedText(presenter->getKind().overviewHelp).getText();
}

void TimeProgramOverviewView::setupContent(guicontrols::Content& area)
{
    const HeatingCircuitParam* param = pageManager != nullptr ? pageManager->getParam<HeatingCircuitParam>() : nullptr;
    if (param == nullptr) {
        return;
    }
    const HeatingCircuitParam safe = TimeProgramStore::safeParam(*param);
    circuit = safe.circuit;
    selectedDay = 0;
    readOnly = safe.readOnly;
    shown = true;

    scale.setBitmap(quillon::Bitmap(SCALE));
    scale.setXY(100, 0);

    scrollArea.removeAll();
    scrollArea.setItemSpacing(ROW_SPACING);
    scrollArea.setPadding(0, 0, static_cast<uint16_t>(scale.getHeight() - SCALE_OVERLAP), 0);
    scrollArea.setPosition(20, 10, static_cast<int16_t>(area.getWidth() - 40),
                           static_cast<int16_t>(area.getHeight() - 20));
    for (uint8_t day = 0; day < TimeProgramStore::DAYS; ++day) {
        guicontrols::TimeProgramListGraph& row = rows[day];
        fillDay(row, day, circuit);
        row.setDayText(quillon::TypedText(TimeProgramDays::shortName(day)));
        row.setDay(day);
        row.setDayCallback(&dayCallback);
        scrollArea.addItem(row);
    }
    for (guicontrols::TimeProgramListGraph& row : rows) {
        row.setActive(false);
    }
    rows[0].setActive(readOnly == 0);
    scrollArea.invalidate();
    area.add(scale);
    area.add(scrollArea);
}

void TimeProgramOverviewView::fillDay(guicontrols::TimeProgramListGraph& row, uint8_t day, uint32_t dayCircuit)
{
    const time_point record = presenter->getDayProgram(dayCircuit, day);
    row.clearPhases();
    for (uint32_t pair = 0; pair < time_point::PHASES; ++pair) {
        guicontrols::TimeProgramGraph::TimePhase phase;
        phase.start.setFromSwitchTime(record.phaseStart(pair));
        phase.end.setFromSwitchTime(record.phaseEnd(pair));
        row.addPhase(phase); // kept only when it ends after it starts
    }
    row.invalidate();
}

void TimeProgramOverviewView::fillAllDays()
{
    for (uint8_t day = 0; day < TimeProgramStore::DAYS; ++day) {
        fillDay(rows[day], day, circuit);
    }
}

void TimeProgramOverviewView::selectDay(uint8_t day)
{
    if (readOnly != 0 || day >= TimeProgramStore::DAYS) {
        return;
    }
    for (uint8_t d = 0; d < TimeProgramStore::DAYS; ++d) {
        rows[d].setActive(d == day);
    }
    selectedDay = day;
    container.invalidate();
}

void TimeProgramOverviewView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    const bool editable = readOnly == 0;
    bar.setButtonTouchable(EDIT_BUTTON, editable);
    bar.setButtonTouchable(COPY_BUTTON, editable);
    if (editable) {
        bar.setButtonText(EDIT_BUTTON, EDIT_TEXT, &guicontrols::Palette::entry(11));
        bar.setButtonText(COPY_BUTTON, COPY_TEXT, &guicontrols::Palette::entry(11));
    }
}

void TimeProgramOverviewView::onBottomBarButton(int index)
{
    if ((index != EDIT_BUTTON && index != COPY_BUTTON) || pageManager == nullptr) {
        GenericView::onBottomBarButton(index);
        return;
    }
    if (readOnly != 0) {
        return; // the bar refuses the touch; a call from elsewhere opens nothing either
    }
    pagemanager::Page* anchor = pageManager->findAnchorPage();
    HeatingCircuitParam param = {};
    param.circuit = static_cast<uint16_t>(circuit);
    param.day = selectedDay;
    param.readOnly = readOnly;
    Pages* pages = ShellPages::find();
    param.titleByNumber = anchor != nullptr && pages != nullptr && anchor == &pages->mainPage ? 0 : 1;
    (void)pageManager->setParam(param);
    if (index == COPY_BUTTON) {
        presenter->showCopyPage();
    } else {
        presenter->showEditPage();
    }
}

void TimeProgramOverviewView::refresh()
{
    if (!shown || !presenter->hasDataChanged()) {
        return;
    }
    fillAllDays();
    container.invalidate();
}
