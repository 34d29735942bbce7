#ifndef GUI_SCREENS_SETTINGS_LEVEL2PASSWORDVIEW_HPP
#define GUI_SCREENS_SETTINGS_LEVEL2PASSWORDVIEW_HPP

#include "gui/screens/settings/BasePasswordView.hpp"

// The password of the second menu level.
class Level2PasswordView : public BasePasswordView
{
public:
    Level2PasswordView() {}
    ~Level2PasswordView() override {}

    void onBottomBarButton(int index) override { onChangeButton(index, pagemanager::ACCESS_LEVEL2); }
    void onConfirmFinished(uint8_t result, bool* handled) override
    {
        confirmChange(result, handled, BasePasswordPresenter::MENU);
    }
};

#endif
