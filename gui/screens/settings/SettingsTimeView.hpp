#ifndef GUI_SCREENS_SETTINGS_SETTINGSTIMEVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSTIMEVIEW_HPP

#include "gui/screens/settings/SettingsTimePresenter.hpp"
#include "gui/screens/settings/SettingsAcceptView.hpp"
#include "guicontrols/TimeEdit.hpp"

// Hours and minutes of the panel clock as read on entry, 00:00 to 23:59. OK sets the time
// on today's date and goes back; back and home change nothing.
class SettingsTimeView : public SettingsAcceptView<SettingsTimePresenter>
{
public:
    static const int16_t EDIT_X = 320;
    static const int16_t EDIT_Y = 60;

    SettingsTimeView();
    ~SettingsTimeView() override {}

    quillon::TextId getTitleText() override { return 1145; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;

    const guicontrols::TimeEdit& getTimeEdit() const { return timeEdit; }

protected:
    void onAccept() override;

private:
    guicontrols::TimeEdit timeEdit;
};

#endif
