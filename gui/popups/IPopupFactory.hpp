#ifndef GUI_POPUPS_IPOPUPFACTORY_HPP
#define GUI_POPUPS_IPOPUPFACTORY_HPP

#include <stdint.h>

class Popup;

// Hands out the one instance of each popup by its id.
class IPopupFactory
{
public:
    virtual ~IPopupFactory() {}
    // Null for an id without a popup.
    virtual Popup* getPopup(uint16_t popupId) = 0;
};

#endif
