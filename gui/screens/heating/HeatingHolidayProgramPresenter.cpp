#include "gui/screens/heating/HeatingHolidayProgramPresenter.hpp"

#include "gui/screens/heating/CircuitOfPage.hpp"

HeatingHolidayProgramPresenter::HeatingHolidayProgramPresenter(IView& view)
    : BasePresenter(view), circuit(circuitOfPage(pageManager))
{
}

void HeatingHolidayProgramPresenter::activate()
{
    model::HeatingGroup& heating = getModel()->getGroups().heating;
    watch({&heating.holidayStart[circuit], &heating.holidayEnd[circuit]});
}

void HeatingHolidayProgramPresenter::deactivate()
{
    unwatch();
}

helpers::DateTime HeatingHolidayProgramPresenter::getStart()
{
    return helpers::DateTime(getModel()->getGroups().heating.holidayStart[circuit].getValue());
}

helpers::DateTime HeatingHolidayProgramPresenter::getEnd()
{
    return helpers::DateTime(getModel()->getGroups().heating.holidayEnd[circuit].getValue());
}

void HeatingHolidayProgramPresenter::setProgram(const helpers::DateTime& start, const helpers::DateTime& end)
{
    model::HeatingGroup& heating = getModel()->getGroups().heating;
    date_time record{};
    start.toDeviceFormat(record);
    heating.holidayStart[circuit].setValue(record);
    end.toDeviceFormat(record);
    heating.holidayEnd[circuit].setValue(record);
    heating.refreshAll();
}

helpers::DateTime HeatingHolidayProgramPresenter::getCurrentDateTime()
{
    return getModel()->getTimeManager().getDateTime();
}
