#include "guicontrols/HolidayProgramEdit.hpp"

#include <initializer_list>

namespace guicontrols
{
namespace
{
const quillon::TypedText DEPARTURE_TITLE(803);
const quillon::TypedText RETURN_TITLE(1075);
const quillon::TypedText DATE_TEXT(19);
const quillon::Color WHITE = 0xFFFF;
const quillon::BitmapId RELEASED = 16;
const quillon::BitmapId PRESSED = 18;
const quillon::BitmapId UP_ICON = 186;
const quillon::BitmapId DOWN_ICON = 95;
const uint32_t ONE_DAY_BACK = 0xFFFFFFFFu; // -1 in the date's unsigned day count
// A line of the body font with its descenders: "Tuesday" or "Afrejsedato" in a 30-pixel field
// lost the tails of their "y", "j" and "g".
const int16_t LINE_HEIGHT = 33;

// Sunday first, as getWeekday counts.
const uint16_t WEEKDAY_NAMES[] = {1226, 1215, 1232, 1217, 1236, 1229, 1223};
} // namespace

HolidayProgramEdit::HolidayProgramEdit()
    : clickCallback(this, &HolidayProgramEdit::onButtonClicked),
      repeatCallback(this, &HolidayProgramEdit::onButtonRepeated),
      dateCallback(nullptr),
      dateBuffer()
{
    // As wide as the weekday: "Departure date" does not fit 200 pixels.
    title.setPosition(30, 50, 260, LINE_HEIGHT);
    title.setColor(WHITE);
    title.setTextId(DEPARTURE_TITLE);
    add(title);

    weekday.setPosition(30, static_cast<int16_t>(title.getY() + LINE_HEIGHT), 260, LINE_HEIGHT);
    weekday.setColor(WHITE);
    add(weekday);

    // Centred in the room left of the buttons: DD.MM.YYYY in the value font is wider than
    // 260 pixels.
    dateText.setPosition(5, 150, 300, 80);
    dateText.setTextId(DATE_TEXT);
    dateText.setColor(WHITE);
    add(dateText);

    upButton.setXY(310, 50);
    upButton.setIcon(quillon::Bitmap(UP_ICON));
    downButton.setXY(310, 210);
    downButton.setIcon(quillon::Bitmap(DOWN_ICON));
    for (IconButton* button : {&upButton, &downButton}) {
        button->setBitmaps(quillon::Bitmap(RELEASED), quillon::Bitmap(PRESSED));
        button->setAction(clickCallback);
        button->setRepeatAction(&repeatCallback);
        add(*button);
    }
    setWidth(390);
    setHeight(280);
}

void HolidayProgramEdit::setDeparture(bool departure)
{
    title.setTextId(departure ? DEPARTURE_TITLE : RETURN_TITLE);
}

void HolidayProgramEdit::setDate(const helpers::DateTime& newDate)
{
    date = newDate;
    updateText();
}

void HolidayProgramEdit::setMinimum(const helpers::DateTime& newMinimum)
{
    minimum = newMinimum;
    if (date < minimum) {
        date = minimum;
    }
}

void HolidayProgramEdit::setMaximum(const helpers::DateTime& newMaximum)
{
    maximum = newMaximum;
    if (date > maximum) {
        date = maximum;
    }
}

void HolidayProgramEdit::onButtonClicked(const quillon::AbstractButton& button)
{
    if (&button == &upButton) {
        date.addDays(1);
    } else if (&button == &downButton) {
        date.addDays(ONE_DAY_BACK);
    } else {
        return;
    }
    // Both bounds, whichever way the step went: a date set outside the range comes into it
    // with the first step instead of staying out of it.
    if (date > maximum) {
        date = maximum;
    } else if (date < minimum) {
        date = minimum;
    }
    updateText();
    if (dateCallback != nullptr && dateCallback->isValid()) {
        dateCallback->execute(date);
    }
}

void HolidayProgramEdit::updateText()
{
    weekday.setTextId(quillon::TypedText(WEEKDAY_NAMES[date.getWeekday()]));
    date.formatDate(dateBuffer, DATE_CAPACITY, true);
    dateText.setWildcard(dateBuffer);
    invalidate();
}
} // namespace guicontrols
