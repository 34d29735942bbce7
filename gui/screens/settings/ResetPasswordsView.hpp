#ifndef GUI_SCREENS_SETTINGS_RESETPASSWORDSVIEW_HPP
#define GUI_SCREENS_SETTINGS_RESETPASSWORDSVIEW_HPP

#include "gui/screens/settings/BasePasswordView.hpp"

// The master password, then one question: the service, menu and operator passwords go back
// to their defaults. The master password itself stays.
class ResetPasswordsView : public BasePasswordView
{
public:
    ResetPasswordsView() {}
    ~ResetPasswordsView() override {}

    void onBottomBarButton(int index) override;
    void onConfirmFinished(uint8_t result, bool* handled) override;
};

#endif
