#include "gui/screens/setpoint/HeatingReducedRoomTempView.hpp"

#include "gui/common/Functors.hpp"

#include <quillon/TypedText.hpp>

HeatingReducedRoomTempView::HeatingReducedRoomTempView() : SetpointTempView(&Functors::getInstance().heating) {}

const quillon::WideChar* HeatingReducedRoomTempView::getHelpText()
{
    return quillon::TypedText(756).getText();
}
