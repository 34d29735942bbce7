#include "guicontrols/TimeEdit.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/WideString.hpp>

namespace guicontrols
{
namespace
{
const quillon::TypedText SEPARATOR_TEXT(19);
const int32_t MINUTES_PER_HOUR = 60;
const helpers::Time END_OF_DAY(24, 0, 0);

uint8_t toByte(int32_t value)
{
    return static_cast<uint8_t>(value);
}
} // namespace

TimeEdit::TimeEdit()
    : lastMinute(1),
      hourStep(1),
      minuteStep(1),
      allow24(false),
      timeCallback(nullptr),
      hourCallback(this, &TimeEdit::onHourChanged),
      minuteCallback(this, &TimeEdit::onMinuteChanged)
{
    setWidth(180);
    setHeight(220);

    hourSpinBox.setArrowStyle(2);
    hourSpinBox.setMinimum(0);
    hourSpinBox.setMaximum(23);
    hourSpinBox.setValueCallback(&hourCallback);
    hourSpinBox.setWrapAround(false);
    hourSpinBox.setDigits(2);
    add(hourSpinBox);

    minuteSpinBox.setArrowStyle(2);
    minuteSpinBox.setMinimum(0);
    minuteSpinBox.setMaximum(MINUTES_PER_HOUR - 1);
    minuteSpinBox.setXY(90, 0);
    minuteSpinBox.setValueCallback(&minuteCallback);
    minuteSpinBox.setWrapAround(true);
    minuteSpinBox.setDigits(2);
    add(minuteSpinBox);

    quillon::WideString::snprintf(separatorBuffer, 2, ":");
    separator.setTextId(SEPARATOR_TEXT);
    separator.setWildcard(separatorBuffer);
    separator.setColor(Palette::entry(0));
    separator.setPosition(72, 77, 20, 50);
    add(separator);
}

void TimeEdit::setTime(const helpers::Time& newTime)
{
    time = newTime;
    hourSpinBox.setValue(static_cast<int32_t>(time.getHour()));
    minuteSpinBox.setValue(static_cast<int32_t>(time.getMinute()));
    lastMinute = minuteSpinBox.getValue();
}

void TimeEdit::setHourStep(int32_t step)
{
    hourStep = step;
    hourSpinBox.setStep(step);
}

void TimeEdit::setMinuteStep(int32_t step)
{
    minuteStep = step;
    minuteSpinBox.setStep(step);
    minuteSpinBox.setMaximum(MINUTES_PER_HOUR - step);
}

void TimeEdit::setAllow24(bool allow)
{
    allow24 = allow;
    hourSpinBox.setMaximum(allow ? 24 : 23);
}

void TimeEdit::setDisabled(bool disabled)
{
    hourSpinBox.setDisabled(disabled);
    minuteSpinBox.setDisabled(disabled);
}

void TimeEdit::onHourChanged(const int& hour)
{
    time.set(toByte(hour), toByte(minuteSpinBox.getValue()), 0);
    if (allow24 && time > END_OF_DAY) {
        hourSpinBox.setValue(23);
        time.set(23, toByte(minuteSpinBox.getValue()), 0);
    }
    tellTime();
}

void TimeEdit::onMinuteChanged(const int& changed)
{
    const int32_t top = MINUTES_PER_HOUR - minuteStep;
    const int32_t lastHour = allow24 ? 24 : 23;
    int32_t minute = changed;
    const int32_t hour = hourSpinBox.getValue();
    if (lastMinute == 0 && minute == top) {
        if (hour != 0) {
            hourSpinBox.setValue(hour - hourStep);
        } else {
            minute = 0; // no wrap below 00:00
            minuteSpinBox.setValue(minute);
        }
    } else if (lastMinute == top && minute == 0) {
        if (hour < lastHour) {
            hourSpinBox.setValue(hour + hourStep);
        } else {
            minute = top; // no wrap past the last hour
            minuteSpinBox.setValue(minute);
        }
    }
    time.set(toByte(hourSpinBox.getValue()), toByte(minute), 0);
    if (allow24 && time > END_OF_DAY) {
        time = END_OF_DAY;
        setSpinTime(24, 0);
        minute = 0;
    }
    lastMinute = minute;
    tellTime();
}

void TimeEdit::setSpinTime(int32_t hour, int32_t minute)
{
    hourSpinBox.setValue(hour);
    minuteSpinBox.setValue(minute);
}

void TimeEdit::tellTime()
{
    if (timeCallback != nullptr && timeCallback->isValid()) {
        timeCallback->execute(time);
    }
}
} // namespace guicontrols
