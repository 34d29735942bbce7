#include "gui/screens/setpoint/DHWBaseSetpointTempView.hpp"

#include "gui/common/Functors.hpp"

#include <quillon/TypedText.hpp>

DHWBaseSetpointTempView::DHWBaseSetpointTempView() : SetpointTempView(&Functors::getInstance().plain) {}

const quillon::WideChar* DHWBaseSetpointTempView::getHelpText()
{
    return quillon::TypedText(783).getText();
}
