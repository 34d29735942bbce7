#ifndef GUI_POPUPS_POPUPMANAGER_HPP
#define GUI_POPUPS_POPUPMANAGER_HPP

#include "gui/pagemanager/IPopupManager.hpp"
#include "gui/popups/PopupId.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// Which popups are raised, with a level per id. The popup on screen is the most recently
// raised id still stacked; the level only decides whether a further raise counts, so a
// popup the user dismissed stays away while its condition lasts.
//
// GUI task only: the rules run on its tick, never on the task that stored a value.
class PopupManager : public pagemanager::IPopupManager
{
public:
    static const uint16_t CAPACITY = 24;

    PopupManager();

    // Ids of POPUP_COUNT and above (POPUP_NONE among them) are ignored by every operation.
    void show(uint16_t popupId, uint8_t level) override;
    void close(uint16_t popupId) override;
    uint16_t getCurrent() override;
    void remove(uint16_t popupId) override;
    bool hasChanged() override { return changed; }
    bool hasPopups() override;
    bool isActive(uint16_t popupId) override;

    uint8_t getLevel(uint16_t popupId) const { return isKnown(popupId) ? levels[popupId] : 0; }
    // Times the id was put on the stack (wrapping): tells a popup that was closed and raised
    // again apart from one that stayed.
    uint8_t getRaiseCount(uint16_t popupId) const { return isKnown(popupId) ? raises[popupId] : 0; }

private:
    static bool isKnown(uint16_t popupId) { return popupId < POPUP_COUNT; }

    // Oldest first, the top is the last element. A plain vector: a dismissal takes an id
    // out of the middle.
    quillon::Vector<uint16_t, CAPACITY> popupStack;
    uint8_t levels[CAPACITY];
    uint8_t raises[CAPACITY];
    bool changed;
};

#endif
