#include "gui/popups/FaultPopup.hpp"

#include "gui/popups/PopupLayout.hpp"

namespace
{
const MessagePopup::Look LOOK = {PopupLayout::RED_FRAME, 1124, 849, 150, 839};
} // namespace

FaultPopup::FaultPopup(uint16_t popupId) : MessagePopup(popupId, LOOK)
{
    contactLines.addTo(*this);
}

void FaultPopup::bind(PopupData& data)
{
    MessagePopup::bind(data);
    contactLines.bind(data);
}
