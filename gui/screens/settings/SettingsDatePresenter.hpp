#ifndef GUI_SCREENS_SETTINGS_SETTINGSDATEPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSDATEPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "helpers/DateTime.hpp"

// The panel clock's date.
class SettingsDatePresenter : public BasePresenter
{
public:
    explicit SettingsDatePresenter(IView& view) : BasePresenter(view) {}
    ~SettingsDatePresenter() override {}

    // Only the value's date is taken: the time of day is the clock's at this moment, so the
    // minutes spent on the screen are not lost. False when the clock refused the value.
    bool setDateTime(const helpers::DateTime& value);
};

#endif
