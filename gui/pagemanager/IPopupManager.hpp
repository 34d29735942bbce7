#ifndef GUI_PAGEMANAGER_IPOPUPMANAGER_HPP
#define GUI_PAGEMANAGER_IPOPUPMANAGER_HPP

#include <stdint.h>

namespace pagemanager
{
// Shows and closes popups by id and level.
class IPopupManager
{
public:
    static constexpr uint16_t POPUP_NONE = 0xFFFF;

    virtual ~IPopupManager() {}
    // Raises the popup's level if the given one is higher and stacks the id once.
    virtual void show(uint16_t popupId, uint8_t level) = 0;
    // Level back to 0 and the id off the stack.
    virtual void close(uint16_t popupId) = 0;
    // The id on top of the stack, POPUP_NONE when none is stacked.
    virtual uint16_t getCurrent() = 0;
    // Off the stack but the level stays, so the same condition does not raise it again
    // until it has been closed.
    virtual void remove(uint16_t popupId) = 0;
    virtual bool hasChanged() = 0;
    virtual bool hasPopups() = 0;
    virtual bool isActive(uint16_t popupId) = 0;
};
} // namespace pagemanager

#endif
