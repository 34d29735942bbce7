#ifndef GUI_SCREENS_SETTINGS_BASEPASSWORDPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_BASEPASSWORDPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "gui/pagemanager/PasswordStorage.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// The stored passwords behind the password change screens: the check of a typed text
// against one of them, and their new texts. No device data.
class BasePasswordPresenter : public BasePresenter
{
public:
    enum Selector : uint8_t
    {
        SERVICE = 0,
        MENU = 1,
        OPERATOR = 2
    };

    explicit BasePasswordPresenter(IView& view);
    ~BasePasswordPresenter() override {}

    // Another selector stores nothing; so does a text longer than 16 characters.
    bool setPassword(uint8_t selector, const quillon::WideChar* text);
    // The password back to what a fresh store holds: its default, cut to 16 characters as the
    // setting keeps it (a longer default text would be refused and the old password stay).
    bool restoreDefault(uint8_t selector, const quillon::WideChar* defaultText);
    // On the model the presenter is bound to.
    helpers::PasswordStorage& getPasswordStorage()
    {
        storage = helpers::PasswordStorage(getModel());
        return storage;
    }

private:
    helpers::PasswordStorage storage;
};

#endif
