#ifndef GUI_SCREENS_SETTINGS_SETTINGSBUZZERVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSBUZZERVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/settings/SettingsBuzzerPresenter.hpp"
#include "guicontrols/TileSelector.hpp"

// "ON" and "OFF" tiles; a touch only moves the mark, OK stores it and goes back.
class SettingsBuzzerView : public BaseView<SettingsBuzzerPresenter>
{
public:
    static const int32_t ON_TILE = 0;
    static const int32_t OFF_TILE = 1;
    static const uint8_t OK_BUTTON = 5;
    static const quillon::BitmapId ACCEPT_ICON = 210;

    SettingsBuzzerView();
    ~SettingsBuzzerView() override {}

    quillon::TextId getTitleText() override { return 1133; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;

    const guicontrols::TileSelector& getTileSelector() const { return tileSelector; }

private:
    guicontrols::TileSelector tileSelector;
};

#endif
