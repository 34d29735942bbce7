#ifndef GUI_SCREENS_SETTINGS_SETTINGSTIMEPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSTIMEPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "helpers/Time.hpp"

// The panel clock's time of day.
class SettingsTimePresenter : public BasePresenter
{
public:
    explicit SettingsTimePresenter(IView& view) : BasePresenter(view) {}
    ~SettingsTimePresenter() override {}

    helpers::Time getTime();
    // On the date the clock shows now, even when midnight passed while the screen was open.
    // False when the clock refused the value.
    bool setTime(const helpers::Time& time);
};

#endif
