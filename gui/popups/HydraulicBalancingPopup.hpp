#ifndef GUI_POPUPS_HYDRAULICBALANCINGPOPUP_HPP
#define GUI_POPUPS_HYDRAULICBALANCINGPOPUP_HPP

#include "gui/popups/MessagePopup.hpp"

// Hydraulic balancing runs; no button: it stays until the balancing ends.
class HydraulicBalancingPopup : public MessagePopup
{
public:
    explicit HydraulicBalancingPopup(uint16_t popupId);
};

#endif
