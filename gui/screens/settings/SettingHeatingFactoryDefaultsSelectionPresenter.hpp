#ifndef GUI_SCREENS_SETTINGS_SETTINGHEATINGFACTORYDEFAULTSSELECTIONPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGHEATINGFACTORYDEFAULTSSELECTIONPRESENTER_HPP

#include "gui/screens/menu/HCSelectionPresenter.hpp"

// The circuit choice before a factory reset, as every circuit choice works.
class SettingHeatingFactoryDefaultsSelectionPresenter : public HCSelectionPresenter
{
public:
    explicit SettingHeatingFactoryDefaultsSelectionPresenter(IView& view) : HCSelectionPresenter(view) {}
    ~SettingHeatingFactoryDefaultsSelectionPresenter() override {}
};

#endif
