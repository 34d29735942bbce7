#ifndef GUI_POPUPS_COMBUSTIONCONTROLLERLOCKEDPOPUP_HPP
#define GUI_POPUPS_COMBUSTIONCONTROLLERLOCKEDPOPUP_HPP

#include "gui/popups/MessagePopup.hpp"

// The burner's controller is locked; "OK" dismisses it while the lock lasts.
class CombustionControllerLockedPopup : public MessagePopup
{
public:
    explicit CombustionControllerLockedPopup(uint16_t popupId);
};

#endif
