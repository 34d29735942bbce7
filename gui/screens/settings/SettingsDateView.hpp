#ifndef GUI_SCREENS_SETTINGS_SETTINGSDATEVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSDATEVIEW_HPP

#include "gui/screens/settings/SettingsDatePresenter.hpp"
#include "gui/screens/settings/SettingsAcceptView.hpp"
#include "guicontrols/DateEdit.hpp"

// Day, month and year of the panel clock as read on entry. OK sets the date and confirms it
// when the clock took it; back and home change nothing.
class SettingsDateView : public SettingsAcceptView<SettingsDatePresenter>
{
public:
    static const int16_t EDIT_X = 250;
    static const int16_t EDIT_Y = 60;

    SettingsDateView();
    ~SettingsDateView() override {}

    quillon::TextId getTitleText() override { return 870; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;

    const guicontrols::DateEdit& getDateEdit() const { return dateEdit; }

protected:
    void onAccept() override;

private:
    guicontrols::DateEdit dateEdit;
};

#endif
