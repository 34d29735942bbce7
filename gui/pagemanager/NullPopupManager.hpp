#ifndef GUI_PAGEMANAGER_NULLPOPUPMANAGER_HPP
#define GUI_PAGEMANAGER_NULLPOPUPMANAGER_HPP

#include "gui/pagemanager/IPopupManager.hpp"

namespace pagemanager
{
// The popup manager of a page manager that was given none: shows nothing, ever.
class NullPopupManager : public IPopupManager
{
public:
    static NullPopupManager& getInstance();

    void show(uint16_t, uint8_t) override {}
    void close(uint16_t) override {}
    uint16_t getCurrent() override { return POPUP_NONE; }
    void remove(uint16_t) override {}
    bool hasChanged() override { return false; }
    bool hasPopups() override { return false; }
    bool isActive(uint16_t) override { return false; }
};
} // namespace pagemanager

#endif
