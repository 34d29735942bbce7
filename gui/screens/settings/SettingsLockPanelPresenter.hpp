#ifndef GUI_SCREENS_SETTINGS_SETTINGSLOCKPANELPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLOCKPANELPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

// The lock mode is chosen on the view and handed on as a page parameter; nothing to read.
class SettingsLockPanelPresenter : public BasePresenter
{
public:
    explicit SettingsLockPanelPresenter(IView& view) : BasePresenter(view) {}
};

#endif
