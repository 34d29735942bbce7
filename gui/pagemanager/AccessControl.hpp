#ifndef GUI_PAGEMANAGER_ACCESSCONTROL_HPP
#define GUI_PAGEMANAGER_ACCESSCONTROL_HPP

#include "gui/pagemanager/IPasswordStorage.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace pagemanager
{
// The panel's access level: a cumulative bit set that passwords raise and that falls back
// to the basic level 1800 seconds after the last activity.
class AccessControl
{
public:
    static constexpr int32_t LOGOUT_SECONDS = 1800;
    static constexpr int32_t TIMER_OFF = -1;

    explicit AccessControl(IPasswordStorage* storage) : storage(storage), level(ACCESS_USER), logoutTimer(TIMER_OFF) {}

    // Open when every bit of the mask is in the level: mask 0 is always open.
    bool hasAccess(int32_t mask) const { return (level & mask) == mask; }

    bool login(int32_t mask, const quillon::WideChar* password);

    // Overwrites the level; the logout timer stays as it is.
    void setLevel(uint16_t bits) { level = bits; }
    // Only for the levels inside the basic one (the panel locks and the basic level itself).
    bool setBasicLevel(uint16_t bits);
    void onActivity();
    void logout() { setBasicLevel(ACCESS_USER); }
    void tick();

    uint16_t getLevel() const { return level; }
    int32_t getLogoutTimer() const { return logoutTimer; }

private:
    bool isPassword(int32_t mask, const quillon::WideChar* password) const;

    IPasswordStorage* storage;
    uint16_t level;
    int32_t logoutTimer;
};
} // namespace pagemanager

#endif
