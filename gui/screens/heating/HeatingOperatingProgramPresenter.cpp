#include "gui/screens/heating/HeatingOperatingProgramPresenter.hpp"

#include "gui/screens/heating/CircuitOfPage.hpp"

HeatingOperatingProgramPresenter::HeatingOperatingProgramPresenter(IView& view)
    : BasePresenter(view), circuit(static_cast<uint8_t>(circuitOfPage(pageManager)))
{
}

void HeatingOperatingProgramPresenter::activate()
{
    model::HeatingGroup& heating = getModel()->getGroups().heating;
    watch({&heating.operatingProgram, &heating.hcInfo});
}

void HeatingOperatingProgramPresenter::deactivate()
{
    unwatch();
}

uint8_t HeatingOperatingProgramPresenter::getOperatingProgram()
{
    return getModel()->getGroups().heating.operatingProgram[circuit].getValue();
}

void HeatingOperatingProgramPresenter::setOperatingProgram(uint8_t program)
{
    getModel()->getGroups().heating.operatingProgram[circuit].setValue(program);
}

bool HeatingOperatingProgramPresenter::isExternallyConnected()
{
    return getModel()->getGroups().heating.hcInfo[circuit].getValue().stateBit(1);
}
