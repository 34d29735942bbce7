#ifndef GUI_SCREENS_SETTINGS_SETTINGSBUZZERVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSBUZZERVIEW_HPP

#include "gui/screens/settings/SettingsBuzzerPresenter.hpp"
#include "gui/screens/settings/SettingsAcceptView.hpp"
#include "guicontrols/TileSelector.hpp"

// "ON" and "OFF" tiles; a touch only moves the mark, OK stores it and goes back.
class SettingsBuzzerView : public SettingsAcceptView<SettingsBuzzerPresenter>
{
public:
    static const int32_t ON_TILE = 0;
    static const int32_t OFF_TILE = 1;

    SettingsBuzzerView();
    ~SettingsBuzzerView() override {}

    quillon::TextId getTitleText() override { return 1133; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;

    const guicontrols::TileSelector& getTileSelector() const { return tileSelector; }

protected:
    void onAccept() override;

private:
    guicontrols::TileSelector tileSelector;
};

#endif
