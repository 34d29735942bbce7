#ifndef GUICONTROLS_TIMEEDIT_HPP
#define GUICONTROLS_TIMEEDIT_HPP

#include "guicontrols/SpinBox.hpp"
#include "helpers/Time.hpp"

#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/widgets/TextAreaWithOneWildcard.hpp>

#include <stdint.h>

namespace guicontrols
{
// Hours and minutes. The minutes wrap and carry into the hours, which stop at 00:00 and at
// the last hour; with 24:00 allowed the day ends there, never past it. The time callback
// hears of every step.
class TimeEdit : public quillon::Container
{
public:
    TimeEdit();

    void setTime(const helpers::Time& time);
    const helpers::Time& getTime() const { return time; }
    void setHourStep(int32_t step);
    // The minutes run 0 .. 60 - step.
    void setMinuteStep(int32_t step);
    void setAllow24(bool allow);
    void setDisabled(bool disabled);
    void setTimeCallback(quillon::GenericCallback<const helpers::Time&>* callback) { timeCallback = callback; }

    const SpinBox& getHourSpinBox() const { return hourSpinBox; }
    const SpinBox& getMinuteSpinBox() const { return minuteSpinBox; }

    void onHourChanged(const int& hour);
    void onMinuteChanged(const int& minute);

private:
    void setSpinTime(int32_t hour, int32_t minute);
    void tellTime();

    helpers::Time time;
    int32_t lastMinute;
    int32_t hourStep;
    int32_t minuteStep;
    bool allow24;
    quillon::GenericCallback<const helpers::Time&>* timeCallback;
    quillon::Callback<TimeEdit, const int&> hourCallback;
    quillon::Callback<TimeEdit, const int&> minuteCallback;
    SpinBox hourSpinBox;
    SpinBox minuteSpinBox;
    quillon::TextAreaWithOneWildcard separator;
    quillon::WideChar separatorBuffer[2];
};
} // namespace guicontrols

#endif
