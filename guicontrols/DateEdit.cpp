#include "guicontrols/DateEdit.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/WideString.hpp>

#include <initializer_list>

namespace guicontrols
{
namespace
{
const quillon::TypedText SEPARATOR_TEXT(19);
const int32_t FIRST_YEAR = 2014;
const int16_t SEPARATOR_WIDTH = 20;
const int16_t SEPARATOR_HEIGHT = 50;

// Right of the spin box, half way down and a little raised: the dot sits on the digits' line.
void placeSeparator(quillon::TextAreaWithOneWildcard& separator, const SpinBox& left)
{
    separator.setPosition(static_cast<int16_t>(left.getX() + 72),
                          static_cast<int16_t>(left.getY() + left.getHeight() / 2 - SEPARATOR_HEIGHT / 2 - 5),
                          SEPARATOR_WIDTH, SEPARATOR_HEIGHT);
}
} // namespace

DateEdit::DateEdit()
    : dateCallback(nullptr),
      dayCallback(this, &DateEdit::onDayChanged),
      monthCallback(this, &DateEdit::onMonthChanged),
      yearCallback(this, &DateEdit::onYearChanged)
{
    setWidth(360);
    setHeight(220);

    daySpinBox.setArrowStyle(2);
    daySpinBox.setMinimum(1);
    daySpinBox.setMaximum(31);
    daySpinBox.setValueCallback(&dayCallback);
    daySpinBox.setWrapAround(true);
    daySpinBox.setDigits(2);
    daySpinBox.setValue(1);
    add(daySpinBox);

    monthSpinBox.setArrowStyle(2);
    monthSpinBox.setMinimum(1);
    monthSpinBox.setMaximum(12);
    monthSpinBox.setXY(90, 0);
    monthSpinBox.setValueCallback(&monthCallback);
    monthSpinBox.setWrapAround(true);
    monthSpinBox.setDigits(2);
    monthSpinBox.setValue(1);
    add(monthSpinBox);

    yearSpinBox.setStyle(2);
    yearSpinBox.setArrowStyle(2);
    yearSpinBox.setMaximum(static_cast<int32_t>(helpers::DateTime::getMaxYear()));
    yearSpinBox.setMinimum(FIRST_YEAR);
    yearSpinBox.setXY(180, 0);
    yearSpinBox.setValueCallback(&yearCallback);
    yearSpinBox.setWrapAround(true);
    yearSpinBox.setDigits(4);
    yearSpinBox.setValue(FIRST_YEAR);
    add(yearSpinBox);

    quillon::WideString::snprintf(separatorBuffer, 2, ".");
    placeSeparator(firstSeparator, daySpinBox);
    placeSeparator(secondSeparator, monthSpinBox);
    for (quillon::TextAreaWithOneWildcard* separator : {&firstSeparator, &secondSeparator}) {
        separator->setTextId(SEPARATOR_TEXT);
        separator->setWildcard(separatorBuffer);
        separator->setColor(Palette::entry(0));
        add(*separator);
    }
}

void DateEdit::setDate(const helpers::DateTime& newDate)
{
    date = newDate;
    const int32_t year = static_cast<int32_t>(date.getYear());
    const int32_t month = static_cast<int32_t>(date.getMonth());
    // The maximum before the day: the previous month's maximum may not allow this day.
    daySpinBox.setMaximum(static_cast<int32_t>(helpers::DateTime::getDaysInMonth(static_cast<uint32_t>(month), year)));
    daySpinBox.setValue(static_cast<int32_t>(date.getDay()));
    monthSpinBox.setValue(month);
    yearSpinBox.setValue(year);
}

void DateEdit::setDisabled(bool disabled)
{
    daySpinBox.setDisabled(disabled);
    monthSpinBox.setDisabled(disabled);
    yearSpinBox.setDisabled(disabled);
}

void DateEdit::onDayChanged(const int&)
{
    updateDate();
}

void DateEdit::onMonthChanged(const int& month)
{
    fitDayToMonth(month, yearSpinBox.getValue());
    updateDate();
}

void DateEdit::onYearChanged(const int& year)
{
    fitDayToMonth(monthSpinBox.getValue(), year);
    updateDate();
}

void DateEdit::fitDayToMonth(int32_t month, int32_t year)
{
    const int32_t last = static_cast<int32_t>(helpers::DateTime::getDaysInMonth(static_cast<uint32_t>(month), year));
    if (daySpinBox.getValue() > last) {
        daySpinBox.setValue(last);
    }
    daySpinBox.setMaximum(last);
}

void DateEdit::updateDate()
{
    date.setDate(static_cast<uint16_t>(yearSpinBox.getValue()), static_cast<uint8_t>(monthSpinBox.getValue()),
                 static_cast<uint8_t>(daySpinBox.getValue()));
    if (dateCallback != nullptr && dateCallback->isValid()) {
        dateCallback->execute(date);
    }
}
} // namespace guicontrols
