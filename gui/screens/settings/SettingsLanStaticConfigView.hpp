#ifndef GUI_SCREENS_SETTINGS_SETTINGSLANSTATICCONFIGVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLANSTATICCONFIGVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/settings/SettingsLanStaticConfigPresenter.hpp"
#include "guicontrols/LongButton.hpp"
#include "guicontrols/ScrollArea.hpp"

#include <quillon/Callback.hpp>

// The five static addresses as rows; a row opens its editor, accept writes all five, turns
// DHCP off and tests the connection. Back or home drops the edits.
class SettingsLanStaticConfigView : public BaseView<SettingsLanStaticConfigPresenter>
{
public:
    static constexpr quillon::TextId TITLE = 998;
    static constexpr uint8_t ACCEPT_BUTTON = 5;
    static constexpr quillon::BitmapId ACCEPT_ICON = 210;
    static constexpr uint16_t ADDRESS_UNITS = 16;

    SettingsLanStaticConfigView();

    quillon::TextId getTitleText() override { return TITLE; }
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void onRowClicked(const quillon::AbstractButton& row);

    const guicontrols::LongButton& getRow(uint32_t row) const { return rows[row]; }

private:
    guicontrols::ScrollArea list;
    guicontrols::LongButton rows[LanConfigState::ROW_COUNT];
    quillon::WideChar addressTexts[LanConfigState::ROW_COUNT][ADDRESS_UNITS];
    quillon::Callback<SettingsLanStaticConfigView, const quillon::AbstractButton&> rowCallback;
};

#endif
