#include "gui/popups/ServicePopup.hpp"

#include "gui/popups/PopupLayout.hpp"

namespace
{
const MessagePopup::Look LOOK = {PopupLayout::ORANGE_FRAME, 1163, 849, 150, 839};
} // namespace

ServicePopup::ServicePopup(uint16_t popupId) : MessagePopup(popupId, LOOK)
{
    contactLines.addTo(*this);
}

void ServicePopup::bind(PopupData& data)
{
    MessagePopup::bind(data);
    contactLines.bind(data);
}
