#ifndef GUI_SCREENS_SETTINGS_SETTINGSLOCKPANELVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLOCKPANELVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/settings/SettingsLockPanelPresenter.hpp"
#include "guicontrols/TileButton.hpp"

#include <quillon/Callback.hpp>

// How far to lock: a tile keeps the mode for the password page and opens it.
class SettingsLockPanelView : public BaseView<SettingsLockPanelPresenter>
{
public:
    static constexpr quillon::TextId TITLE = 830;
    static constexpr quillon::TextId HELP = 769;
    static constexpr quillon::TextId HOME_ONLY_TEXT = 1049;
    static constexpr quillon::TextId EVERYTHING_TEXT = 813;
    static constexpr uint16_t MODE_HOME_ONLY = 1;
    static constexpr uint16_t MODE_EVERYTHING = 2;
    static constexpr uint16_t TILE_COUNT = 2;

    SettingsLockPanelView();

    quillon::TextId getTitleText() override { return TITLE; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void onTileClicked(const quillon::AbstractButton& tile);

    const guicontrols::TileButton& getTile(uint16_t index) const { return tiles[index]; }

private:
    guicontrols::TileButton tiles[TILE_COUNT];
    quillon::Callback<SettingsLockPanelView, const quillon::AbstractButton&> tileCallback;
};

#endif
