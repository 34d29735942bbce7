#include "gui/screens/setpoint/HeatingRoomTempView.hpp"

#include "gui/common/Functors.hpp"

#include <quillon/TypedText.hpp>

HeatingRoomTempView::HeatingRoomTempView() : SetpointTempView(&Functors::getInstance().heating) {}

const quillon::WideChar* HeatingRoomTempView::getHelpText()
{
    return quillon::TypedText(755).getText();
}
