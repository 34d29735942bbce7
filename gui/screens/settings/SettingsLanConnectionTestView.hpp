#ifndef GUI_SCREENS_SETTINGS_SETTINGSLANCONNECTIONTESTVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLANCONNECTIONTESTVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/settings/SettingsLanConnectionTestPresenter.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/RotatingIcon.hpp"
#include "guicontrols/TextField.hpp"

// Waits for the LAN module to connect after a new configuration: reads its state every 281
// frames and judges every 1250 (about 20 s): success ends the test, an error raises the LAN
// error popup again, anything else keeps waiting.
class SettingsLanConnectionTestView : public BaseView<SettingsLanConnectionTestPresenter>
{
public:
    static constexpr uint32_t READ_TICKS = 281;
    static constexpr uint32_t EVALUATION_TICKS = 1250;
    static constexpr quillon::TextId DHCP_TITLE = 881;
    static constexpr quillon::TextId STATIC_TITLE = 999;
    static constexpr quillon::TextId DHCP_MESSAGE = 895;
    static constexpr quillon::TextId STATIC_MESSAGE = 894;
    static constexpr quillon::TextId DHCP_SUCCESS = 897;
    static constexpr quillon::TextId STATIC_SUCCESS = 889;
    static constexpr quillon::TextId PLEASE_WAIT = 856;
    static constexpr quillon::TextId WAIT_FONT_TEXT = 11;
    static constexpr quillon::BitmapId FRAME_STYLE = 66;

    SettingsLanConnectionTestView();

    quillon::TextId getTitleText() override { return presenter->isStaticTest() ? STATIC_TITLE : DHCP_TITLE; }
    void setupContent(guicontrols::Content& area) override;
    void tick() override;

    const guicontrols::TextField& getMessage() const { return message; }
    const guicontrols::RotatingIcon& getBusyIcon() const { return busyIcon; }

private:
    void evaluate();

    guicontrols::Frame frame;
    guicontrols::RotatingIcon busyIcon;
    guicontrols::TextField message;
    guicontrols::TextField waiting;
    uint32_t ticks;
};

#endif
