#include "gui/screens/setpoint/HeatingComfortTempView.hpp"

#include "gui/common/Functors.hpp"

#include <quillon/TypedText.hpp>

HeatingComfortTempView::HeatingComfortTempView() : SetpointTempView(&Functors::getInstance().heating) {}

const quillon::WideChar* HeatingComfortTempView::getHelpText()
{
    return quillon::TypedText(739).getText();
}
