#ifndef GUI_SCREENS_SETTINGS_SETTINGHEATINGFACTORYDEFAULTSSELECTIONVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGHEATINGFACTORYDEFAULTSSELECTIONVIEW_HPP

#include "gui/screens/menu/HCSelectionView.hpp"

// The circuit tiles before a factory reset, under their own title and help.
class SettingHeatingFactoryDefaultsSelectionView : public HCSelectionView
{
public:
    SettingHeatingFactoryDefaultsSelectionView() {}
    ~SettingHeatingFactoryDefaultsSelectionView() override {}

    const quillon::WideChar* getTitle() override;
    const quillon::WideChar* getHelpText() override;
};

#endif
