#ifndef GUICONTROLS_HOLIDAYPROGRAMOVERVIEW_HPP
#define GUICONTROLS_HOLIDAYPROGRAMOVERVIEW_HPP

#include "guicontrols/HolidayProgramEdit.hpp"

#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>

namespace guicontrols
{
// Departure and return side by side, each from today to a year ahead. A step on one that
// passes the other takes the other along, so the return is never before the departure.
class HolidayProgramOverview : public quillon::Container
{
public:
    HolidayProgramOverview();

    // The dates are kept as given; only the buttons apply the range.
    void setDates(const helpers::DateTime& departure, const helpers::DateTime& today, const helpers::DateTime& back);
    const helpers::DateTime& getDepartureDate() const { return departureEditor.getDate(); }
    const helpers::DateTime& getReturnDate() const { return returnEditor.getDate(); }

    const HolidayProgramEdit& getDepartureEditor() const { return departureEditor; }
    const HolidayProgramEdit& getReturnEditor() const { return returnEditor; }

    void onDepartureChanged(const helpers::DateTime& departure);
    void onReturnChanged(const helpers::DateTime& back);

private:
    HolidayProgramEdit departureEditor;
    HolidayProgramEdit returnEditor;
    quillon::Callback<HolidayProgramOverview, const helpers::DateTime&> departureCallback;
    quillon::Callback<HolidayProgramOverview, const helpers::DateTime&> returnCallback;
};
} // namespace guicontrols

#endif
