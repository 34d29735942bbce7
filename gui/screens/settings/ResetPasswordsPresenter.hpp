#ifndef GUI_SCREENS_SETTINGS_RESETPASSWORDSPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_RESETPASSWORDSPRESENTER_HPP

#include "gui/screens/settings/BasePasswordPresenter.hpp"

class ResetPasswordsPresenter : public BasePasswordPresenter
{
public:
    explicit ResetPasswordsPresenter(IView& view) : BasePasswordPresenter(view) {}
    ~ResetPasswordsPresenter() override {}
};

#endif
