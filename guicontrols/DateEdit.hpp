#ifndef GUICONTROLS_DATEEDIT_HPP
#define GUICONTROLS_DATEEDIT_HPP

#include "guicontrols/SpinBox.hpp"
#include "helpers/DateTime.hpp"

#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/widgets/TextAreaWithOneWildcard.hpp>

namespace guicontrols
{
// Day, month and year side by side, each wrapping on its own: up on December gives January
// of the same year. The day's maximum follows the month and year, so a step never leaves an
// impossible date; the date callback hears of every step.
class DateEdit : public quillon::Container
{
public:
    DateEdit();

    // Kept as given; each field shows its part brought into its range.
    void setDate(const helpers::DateTime& date);
    const helpers::DateTime& getDate() const { return date; }
    void setDisabled(bool disabled);
    void setDateCallback(quillon::GenericCallback<const helpers::DateTime&>* callback) { dateCallback = callback; }

    const SpinBox& getDaySpinBox() const { return daySpinBox; }
    const SpinBox& getMonthSpinBox() const { return monthSpinBox; }
    const SpinBox& getYearSpinBox() const { return yearSpinBox; }

    void onDayChanged(const int& day);
    void onMonthChanged(const int& month);
    void onYearChanged(const int& year);

private:
    // Lowers the day to the month's last day when above it, then makes that the maximum.
    void fitDayToMonth(int32_t month, int32_t year);
    void updateDate();

    helpers::DateTime date;
    SpinBox daySpinBox;
    SpinBox monthSpinBox;
    SpinBox yearSpinBox;
    quillon::GenericCallback<const helpers::DateTime&>* dateCallback;
    quillon::Callback<DateEdit, const int&> dayCallback;
    quillon::Callback<DateEdit, const int&> monthCallback;
    quillon::Callback<DateEdit, const int&> yearCallback;
    quillon::TextAreaWithOneWildcard firstSeparator;
    quillon::TextAreaWithOneWildcard secondSeparator;
    quillon::WideChar separatorBuffer[2];
};
} // namespace guicontrols

#endif
