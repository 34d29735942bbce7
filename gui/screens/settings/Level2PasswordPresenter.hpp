#ifndef GUI_SCREENS_SETTINGS_LEVEL2PASSWORDPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_LEVEL2PASSWORDPRESENTER_HPP

#include "gui/screens/settings/BasePasswordPresenter.hpp"

class Level2PasswordPresenter : public BasePasswordPresenter
{
public:
    explicit Level2PasswordPresenter(IView& view) : BasePasswordPresenter(view) {}
    ~Level2PasswordPresenter() override {}
};

#endif
