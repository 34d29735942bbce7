#ifndef GUI_SCREENS_SETTINGS_SETTINGSLANPARAMETEREDITVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLANPARAMETEREDITVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/settings/SettingsLanParameterEditPresenter.hpp"
#include "guicontrols/IPKeyboard.hpp"

// One address of the list on the address keyboard. Accept takes only a complete, valid
// entry and returns to the list with it; anything else is silently refused.
class SettingsLanParameterEditView : public BaseView<SettingsLanParameterEditPresenter>
{
public:
    static constexpr uint8_t ACCEPT_BUTTON = 5;
    static constexpr quillon::BitmapId ACCEPT_ICON = 210;

    SettingsLanParameterEditView();

    quillon::TextId getTitleText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;

    const guicontrols::IPKeyboard& getKeyboard() const { return keyboard; }

private:
    bool takeEntry();

    guicontrols::IPKeyboard keyboard;
};

#endif
