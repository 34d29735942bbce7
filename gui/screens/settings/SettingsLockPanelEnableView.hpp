#ifndef GUI_SCREENS_SETTINGS_SETTINGSLOCKPANELENABLEVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLOCKPANELENABLEVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/settings/SettingsLockPanelEnablePresenter.hpp"
#include "guicontrols/CustomKeyboard.hpp"

// The password that locks the panel in the chosen mode or unlocks it.
class SettingsLockPanelEnableView : public BaseView<SettingsLockPanelEnablePresenter>
{
public:
    static constexpr quillon::TextId TITLE = 830;
    static constexpr quillon::TextId HELP = 769;
    static constexpr quillon::TextId ACCESS_DENIED = 1572;
    static constexpr uint8_t ACCEPT_BUTTON = 5;
    static constexpr quillon::BitmapId ACCEPT_ICON = 210;
    static constexpr uint8_t MAX_PASSWORD_LENGTH = 16;

    SettingsLockPanelEnableView();

    quillon::TextId getTitleText() override { return TITLE; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;

    bool isPasswordValid() { return presenter->isPasswordAccepted(keyboard.getText()); }
    const guicontrols::CustomKeyboard& getKeyboard() const { return keyboard; }

private:
    void lock();
    void unlock();

    guicontrols::CustomKeyboard keyboard;
};

#endif
