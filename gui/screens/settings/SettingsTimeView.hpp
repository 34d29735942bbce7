#ifndef GUI_SCREENS_SETTINGS_SETTINGSTIMEVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSTIMEVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/settings/SettingsTimePresenter.hpp"
#include "guicontrols/TimeEdit.hpp"

// Hours and minutes of the panel clock as read on entry, 00:00 to 23:59. OK sets the time
// on today's date and goes back; back and home change nothing.
class SettingsTimeView : public BaseView<SettingsTimePresenter>
{
public:
    static const int16_t EDIT_X = 320;
    static const int16_t EDIT_Y = 60;
    static const uint8_t OK_BUTTON = 5;
    static const quillon::BitmapId ACCEPT_ICON = 210;

    SettingsTimeView();
    ~SettingsTimeView() override {}

    quillon::TextId getTitleText() override { return 1145; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;

    const guicontrols::TimeEdit& getTimeEdit() const { return timeEdit; }

private:
    guicontrols::TimeEdit timeEdit;
};

#endif
