#include "gui/screens/settings/SettingsDatePresenter.hpp"

bool SettingsDatePresenter::setDateTime(const helpers::DateTime& value)
{
    model::TimeManager& clock = getModel()->getTimeManager();
    helpers::DateTime now = clock.getDateTime();
    now.setDate(static_cast<uint16_t>(value.getYear()), static_cast<uint8_t>(value.getMonth()),
                static_cast<uint8_t>(value.getDay()));
    return clock.setDateTime(now);
}
