#include "gui/screens/settings/SettingsTimePresenter.hpp"

helpers::Time SettingsTimePresenter::getTime()
{
    return getCurrentDateTime().getTime();
}

bool SettingsTimePresenter::setTime(const helpers::Time& time)
{
    model::TimeManager& clock = getModel()->getTimeManager();
    helpers::DateTime now = clock.getDateTime();
    now.setTime(time);
    return clock.setDateTime(now);
}
