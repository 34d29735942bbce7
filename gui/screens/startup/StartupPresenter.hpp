#ifndef GUI_SCREENS_STARTUP_STARTUPPRESENTER_HPP
#define GUI_SCREENS_STARTUP_STARTUPPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// The splash watches nothing: it reads the commissioning state once, when it decides.
class StartupPresenter : public BasePresenter
{
public:
    // The device's commissioning state; the service exit stores 1 while it is still to be done.
    static constexpr uint32_t COMMISSIONING_STATE = 952;

    explicit StartupPresenter(IView& view) : BasePresenter(view) {}

    // Whatever the table holds now: a value never read is the table's initial one.
    bool isCommissioningPending() const;
};

#endif
