#include "guicontrols/HolidayProgramOverview.hpp"

#include <initializer_list>

namespace guicontrols
{
namespace
{
const uint32_t DAYS_AHEAD = 365;
} // namespace

HolidayProgramOverview::HolidayProgramOverview()
    : departureCallback(this, &HolidayProgramOverview::onDepartureChanged),
      returnCallback(this, &HolidayProgramOverview::onReturnChanged)
{
    departureEditor.setXY(0, 0);
    departureEditor.setDate(helpers::DateTime());
    add(departureEditor);
    returnEditor.setXY(400, 0);
    returnEditor.setDeparture(false);
    returnEditor.setDate(helpers::DateTime());
    add(returnEditor);
    setHeight(returnEditor.getHeight());
    setWidth(static_cast<int16_t>(returnEditor.getWidth() + 400));
    departureEditor.setDateCallback(&departureCallback);
    returnEditor.setDateCallback(&returnCallback);
}

void HolidayProgramOverview::setDates(const helpers::DateTime& departure, const helpers::DateTime& today,
                                      const helpers::DateTime& back)
{
    helpers::DateTime latest = today;
    latest.addDays(DAYS_AHEAD);
    for (HolidayProgramEdit* editor : {&departureEditor, &returnEditor}) {
        editor->setMinimum(today);
        editor->setMaximum(latest);
    }
    departureEditor.setDate(departure);
    returnEditor.setDate(back);
}

void HolidayProgramOverview::onDepartureChanged(const helpers::DateTime& departure)
{
    if (returnEditor.getDate() < departure) {
        returnEditor.setDate(departure);
    }
}

void HolidayProgramOverview::onReturnChanged(const helpers::DateTime& back)
{
    if (departureEditor.getDate() > back) {
        departureEditor.setDate(back);
    }
}
} // namespace guicontrols
