#ifndef GUI_SCREENS_SETTINGS_SERVICELEVELPASSWORDVIEW_HPP
#define GUI_SCREENS_SETTINGS_SERVICELEVELPASSWORDVIEW_HPP

#include "gui/screens/settings/BasePasswordView.hpp"

// The service password.
class ServiceLevelPasswordView : public BasePasswordView
{
public:
    ServiceLevelPasswordView() {}
    ~ServiceLevelPasswordView() override {}

    void onBottomBarButton(int index) override { onChangeButton(index, pagemanager::ACCESS_SERVICE); }
    void onConfirmFinished(uint8_t result, bool* handled) override
    {
        confirmChange(result, handled, BasePasswordPresenter::SERVICE);
    }
};

#endif
