#ifndef GUI_SCREENS_SETTINGS_SERVICELEVELPASSWORDPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SERVICELEVELPASSWORDPRESENTER_HPP

#include "gui/screens/settings/BasePasswordPresenter.hpp"

class ServiceLevelPasswordPresenter : public BasePasswordPresenter
{
public:
    explicit ServiceLevelPasswordPresenter(IView& view) : BasePasswordPresenter(view) {}
    ~ServiceLevelPasswordPresenter() override {}
};

#endif
