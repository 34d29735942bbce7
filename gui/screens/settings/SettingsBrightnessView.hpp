#ifndef GUI_SCREENS_SETTINGS_SETTINGSBRIGHTNESSVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSBRIGHTNESSVIEW_HPP

#include "gui/screens/settings/SettingsBrightnessPresenter.hpp"
#include "gui/screens/settings/SettingsAcceptView.hpp"
#include "guicontrols/BacklightEdit.hpp"

// A backlight editor whose every step shows at once; OK stores the value and names it in a
// feedback, back and home store nothing. A variant gives its texts and its top value.
class SettingsBrightnessView : public SettingsAcceptView<SettingsBrightnessPresenter>
{
public:
    static const int16_t EDIT_X = 146;
    static const int16_t EDIT_Y = 46;

    ~SettingsBrightnessView() override {}

    void setupContent(guicontrols::Content& area) override;

    const guicontrols::BacklightEdit& getBacklightEdit() const { return backlightEdit; }

protected:
    void onAccept() override;
    SettingsBrightnessView(quillon::TextId feedback, int32_t maximum);

private:
    // Up to "100" and the terminator.
    static const uint16_t VALUE_UNITS = 4;

    guicontrols::BacklightEdit backlightEdit;
    quillon::TextId feedbackText;
    int32_t maximum;
    quillon::WideChar valueText[VALUE_UNITS];
};

#endif
