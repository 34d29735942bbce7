#ifndef GUICONTROLS_HOLIDAYPROGRAMEDIT_HPP
#define GUICONTROLS_HOLIDAYPROGRAMEDIT_HPP

#include "guicontrols/IconButton.hpp"
#include "helpers/DateTime.hpp"

#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/widgets/TextArea.hpp>
#include <quillon/widgets/TextAreaWithOneWildcard.hpp>

namespace guicontrols
{
// One date of a holiday program: a title, the weekday and the date, stepped a day at a time
// between an earliest and a latest date, without wrap-around. The date callback hears of
// every step, also of one that a bound stopped.
class HolidayProgramEdit : public quillon::Container
{
public:
    HolidayProgramEdit();

    // True: "Departure date", false: "Return date".
    void setDeparture(bool departure);
    // Kept as given, even outside the range: the next step brings it into the range.
    void setDate(const helpers::DateTime& date);
    const helpers::DateTime& getDate() const { return date; }
    void setMinimum(const helpers::DateTime& minimum);
    void setMaximum(const helpers::DateTime& maximum);
    void setDateCallback(quillon::GenericCallback<const helpers::DateTime&>* callback) { dateCallback = callback; }

    const quillon::WideChar* getDateText() const { return dateBuffer; }
    const quillon::TextArea& getWeekday() const { return weekday; }
    const quillon::TextArea& getTitle() const { return title; }
    const IconButton& getUpButton() const { return upButton; }
    const IconButton& getDownButton() const { return downButton; }

    void onButtonClicked(const quillon::AbstractButton& button);
    void onButtonRepeated(const RepeatableButton& button) { onButtonClicked(button); }

private:
    static const uint16_t DATE_CAPACITY = 12;

    void updateText();

    quillon::Callback<HolidayProgramEdit, const quillon::AbstractButton&> clickCallback;
    quillon::Callback<HolidayProgramEdit, const RepeatableButton&> repeatCallback;
    quillon::GenericCallback<const helpers::DateTime&>* dateCallback;
    IconButton upButton;
    IconButton downButton;
    quillon::TextArea title;
    quillon::TextArea weekday;
    quillon::WideChar dateBuffer[DATE_CAPACITY];
    quillon::TextAreaWithOneWildcard dateText;
    helpers::DateTime date;
    helpers::DateTime minimum;
    helpers::DateTime maximum;
};
} // namespace guicontrols

#endif
