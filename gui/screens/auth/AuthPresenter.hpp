#ifndef GUI_SCREENS_AUTH_AUTHPRESENTER_HPP
#define GUI_SCREENS_AUTH_AUTHPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// The password page shows nothing of the model; the page manager checks what is typed.
class AuthPresenter : public BasePresenter
{
public:
    explicit AuthPresenter(IView& view) : BasePresenter(view) {}

    // Counts the terminator: a password has at most 16 characters.
    uint8_t getMaxLength() const { return 17; }
};

#endif
