#include "gui/screens/timeprogram/TimeProgramCopyView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/Bitmap.hpp>

namespace
{
const quillon::BitmapId CONFIRM_ICON = 210;
const quillon::BitmapId SCALE = 227;
const quillon::BitmapId DAY_RELEASED = 16;
const quillon::BitmapId CHECK_MARK = 17;
const quillon::BitmapId DAY_PRESSED = 18;
const quillon::TextId CAPTION_TEXT = 945;
const int16_t DAYS_X = 75;
const int16_t DAY_GAP = 15;
const uint8_t DIMMED = 128;
const uint32_t CENTRED = 1;
} // namespace

TimeProgramCopyView::TimeProgramCopyView()
    : BaseView<TimeProgramCopyPresenter>(&Functors::getInstance().heating),
      dayButtonCount(0),
      buttonCallback(this, &TimeProgramCopyView::onDayButtonClicked),
      circuit(0),
      sourceDay(0),
      loaded(false),
      title()
{
}

const HeatingCircuitParam* TimeProgramCopyView::newestParam() const
{
    return pageManager != nullptr ? pageManager->getParam<HeatingCircuitParam>() : nullptr;
}

void TimeProgramCopyView::formatTitle(uint8_t day)
{
    TimeProgramDays::formatTitle(title, day);
}

void TimeProgramCopyView::setupTopBar(guicontrols::TopBar& bar)
{
    const HeatingCircuitParam* param = newestParam();
    if (param != nullptr) {
        formatTitle(TimeProgramStore::safeDay(param->day));
    } else {
        title[0] = 0;
    }
    GenericView::setupTopBar(bar);
}

void TimeProgramCopyView::setupContent(guicontrols::Content& area)
{
    caption.setTextId(quillon::TypedText(CAPTION_TEXT));
    caption.setColor(guicontrols::Palette::entry(11));
    caption.setPosition(DAYS_X, 130, static_cast<int16_t>(area.getWidth() - DAYS_X), 0);
    caption.setHeight(caption.getTextHeight());
    area.add(caption);

    scale.setBitmap(quillon::Bitmap(SCALE));
    scale.setXY(105, 25);
    graph.setXY(135, 70);
    graph.setShowNumbers(false);
    graph.setActive(true);

    const quillon::Bitmap released(DAY_RELEASED);
    const HeatingCircuitParam* param = newestParam();
    if (param == nullptr) {
        return;
    }
    const HeatingCircuitParam safe = TimeProgramStore::safeParam(*param);
    circuit = safe.circuit;
    sourceDay = safe.day;
    const time_point record = presenter->getDayProgram(circuit, static_cast<uint8_t>(sourceDay));
    graph.clear();
    graph.setSwitchTimes(record.bytes);
    loaded = true;

    for (uint8_t day = 0; day < TimeProgramStore::DAYS; ++day) {
        guicontrols::CheckableButtonWithLabel& button = dayButtons[day];
        button.setXY(static_cast<int16_t>((released.getWidth() + DAY_GAP) * day + DAYS_X),
                     static_cast<int16_t>(100 + released.getHeight()));
        button.setLabelAlignment(CENTRED);
        button.setCheckMarkBitmap(quillon::Bitmap(CHECK_MARK));
        button.setLabel(TimeProgramDays::shortName(day));
        button.setChecked(false);
        if (day == sourceDay) {
            button.setBitmaps(released, released);
            button.setAlpha(DIMMED);
            button.setTouchable(false);
        } else {
            button.setBitmaps(quillon::Bitmap(DAY_PRESSED), released);
            button.setAlpha(255);
            button.setTouchable(true);
            button.setAction(buttonCallback);
        }
        // The scale and the bar stay beneath the buttons.
        area.remove(scale);
        area.remove(graph);
        area.add(scale);
        area.add(graph);
        area.add(button);
    }
    dayButtonCount = TimeProgramStore::DAYS;
}

void TimeProgramCopyView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(CONFIRM_BUTTON, CONFIRM_ICON);
}

void TimeProgramCopyView::onDayButtonClicked(const quillon::AbstractButton& clicked)
{
    for (uint8_t day = 0; day < dayButtonCount; ++day) {
        guicontrols::CheckableButtonWithLabel& button = dayButtons[day];
        if (&button == &clicked) {
            button.toggle();
            button.invalidate();
        }
    }
}

void TimeProgramCopyView::applyToCheckedDays()
{
    if (!loaded) {
        return;
    }
    // The table's value now: a device change while the screen was open is what is copied.
    const time_point record = presenter->getDayProgram(circuit, static_cast<uint8_t>(sourceDay));
    for (uint8_t day = 0; day < dayButtonCount; ++day) {
        if (day != sourceDay && dayButtons[day].isChecked()) {
            presenter->setDayProgram(circuit, day, record);
        }
    }
}

void TimeProgramCopyView::onBottomBarButton(int index)
{
    if (index != CONFIRM_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    applyToCheckedDays();
    if (pageManager != nullptr) {
        pageManager->back();
    }
}
