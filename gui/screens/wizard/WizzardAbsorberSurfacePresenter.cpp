#include "gui/screens/wizard/WizzardAbsorberSurfacePresenter.hpp"

#include "model/DataModelManager.hpp"

WizzardAbsorberSurfacePresenter::WizzardAbsorberSurfacePresenter(IView& view)
    : BasePresenter(view), surface(0.0f), collectorArea(0.0f), collectorType(0), collectorCount(0)
{
}

void WizzardAbsorberSurfacePresenter::activate()
{
    model::IDSolarGroup& solar = getModel()->getGroups().idSolar;
    surface = solar.absorberSurface.getValue();
    const uint8_t type = solar.absorberValue674.getValue();
    collectorType = type <= OTHER_COLLECTOR ? type : FIRST_MODEL;
    collectorCount = solar.absorberValue673.getValue();
    collectorArea = collectorType == OTHER_COLLECTOR && collectorCount != 0 ? surface / collectorCount : 0.0f;
}

void WizzardAbsorberSurfacePresenter::writeSurface()
{
    getModel()->getGroups().idSolar.absorberSurface.setValue(surface);
}

void WizzardAbsorberSurfacePresenter::writeType()
{
    getModel()->getGroups().idSolar.absorberValue674.setValue(static_cast<uint8_t>(collectorType));
}

void WizzardAbsorberSurfacePresenter::writeCount()
{
    getModel()->getGroups().idSolar.absorberValue673.setValue(collectorCount);
}
