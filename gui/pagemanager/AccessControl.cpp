#include "gui/pagemanager/AccessControl.hpp"

namespace pagemanager
{
bool AccessControl::login(int32_t mask, const quillon::WideChar* password)
{
    uint16_t granted = 0;
    if (isPassword(ACCESS_MASTER, password)) {
        granted = ACCESS_MASTER; // a higher password always opens a lower page
    } else if (mask != ACCESS_MASTER && isPassword(ACCESS_LEVEL2, password)) {
        granted = ACCESS_LEVEL2;
    } else if (isPassword(mask, password)) {
        granted = static_cast<uint16_t>(mask | ACCESS_USER);
    } else {
        return false;
    }
    level = static_cast<uint16_t>(level | granted); // never lowers the level
    if (level != ACCESS_USER) {
        logoutTimer = LOGOUT_SECONDS;
    }
    return true;
}

bool AccessControl::setBasicLevel(uint16_t bits)
{
    if ((bits & ~ACCESS_USER) != 0) {
        return false;
    }
    logoutTimer = TIMER_OFF;
    level = bits;
    return true;
}

void AccessControl::onActivity()
{
    if (level != ACCESS_USER && logoutTimer != TIMER_OFF) {
        logoutTimer = LOGOUT_SECONDS;
    }
}

void AccessControl::tick()
{
    if (logoutTimer == TIMER_OFF) {
        return;
    }
    --logoutTimer;
    if (logoutTimer < 1) {
        logout();
    }
}

bool AccessControl::isPassword(int32_t mask, const quillon::WideChar* password) const
{
    return storage != nullptr && storage->checkPassword(mask, password);
}
} // namespace pagemanager
