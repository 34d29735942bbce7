#ifndef GUI_SCREENS_SETTINGS_SETTINGSLANTYPEVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLANTYPEVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/settings/SettingsLanTypePresenter.hpp"
#include "guicontrols/TileSelector.hpp"

// "DHCP" or "STATIC": accept with DHCP writes it and tests the connection, with STATIC opens
// the address list and writes nothing yet.
class SettingsLanTypeView : public BaseView<SettingsLanTypePresenter>
{
public:
    static constexpr quillon::TextId TITLE = 1024;
    static constexpr quillon::TextId HELP = 743;
    static constexpr quillon::TextId DHCP_TEXT = 1449;
    static constexpr quillon::TextId STATIC_TEXT = 1525;
    static constexpr int32_t DHCP_TILE = 0;
    static constexpr int32_t STATIC_TILE = 1;
    static constexpr uint8_t ACCEPT_BUTTON = 5;
    static constexpr quillon::BitmapId ACCEPT_ICON = 210;

    SettingsLanTypeView();

    quillon::TextId getTitleText() override { return TITLE; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;

    const guicontrols::TileSelector& getTiles() const { return tiles; }

private:
    guicontrols::TileSelector tiles;
};

#endif
