#include "gui/popups/PopupManager.hpp"

PopupManager::PopupManager() : levels(), raises(), changed(false)
{
}

void PopupManager::show(uint16_t popupId, uint8_t level)
{
    if (!isKnown(popupId) || levels[popupId] >= level) {
        return;
    }
    levels[popupId] = level;
    // A stacked id keeps its place: a higher level is no reason to move it on top.
    if (!popupStack.contains(popupId)) {
        popupStack.add(popupId);
        ++raises[popupId];
        changed = true;
    }
}

void PopupManager::close(uint16_t popupId)
{
    if (!isKnown(popupId)) {
        return;
    }
    levels[popupId] = 0;
    remove(popupId);
}

uint16_t PopupManager::getCurrent()
{
    changed = false;
    if (popupStack.isEmpty()) {
        return POPUP_NONE;
    }
    return popupStack[static_cast<uint16_t>(popupStack.size() - 1)];
}

void PopupManager::remove(uint16_t popupId)
{
    if (!isKnown(popupId) || !popupStack.contains(popupId)) {
        return;
    }
    popupStack.remove(popupId);
    changed = true;
}

bool PopupManager::hasPopups()
{
    changed = false;
    return !popupStack.isEmpty();
}

bool PopupManager::isActive(uint16_t popupId)
{
    return isKnown(popupId) && levels[popupId] != 0;
}
