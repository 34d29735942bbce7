#include "gui/screens/energy/EnergyCockpitPresenter.hpp"

#include "gui/common/ShellPages.hpp"
#include "gui/screens/energy/EnergyReadings.hpp"
#include "model/DataModelManager.hpp"

namespace
{
const quillon::WideChar CELSIUS[] = {0x00B0, 'C', 0};
} // namespace

EnergyCockpitPresenter::EnergyCockpitPresenter(IView& view)
    : BasePresenter(view), guicontrols::PageIndicatorDataProvider(ShellPages::favourites())
{
}

void EnergyCockpitPresenter::activate()
{
    setModel(getModel());
    model::ParameterGroups& g = getModel()->getGroups();
    watch({&g.idSolar.solarInfo, &g.heating.boilerInfo, &g.dhw.state240, &g.cylinder.profile, &g.cylinder.chargeState,
           &g.cylinder.flag296});
}

void EnergyCockpitPresenter::deactivate()
{
    unwatch();
}

bool EnergyCockpitPresenter::hasDevicesChanged()
{
    return getModel()->getDeviceManager().takeChanged();
}

bool EnergyCockpitPresenter::anyOf(std::initializer_list<uint32_t> flags)
{
    for (uint32_t flag : flags) {
        if (EnergyReadings::hasDevice(*getModel(), flag)) {
            return true;
        }
    }
    return false;
}

uint8_t EnergyCockpitPresenter::getBoilerVariant()
{
    return EnergyReadings::boilerVariant(*getModel());
}

uint8_t EnergyCockpitPresenter::getCylinderType()
{
    return EnergyReadings::cylinderType(*getModel(), EnergyReadings::NO_CYLINDER_FLAG_COCKPIT);
}

bool EnergyCockpitPresenter::hasSolar()
{
    return EnergyReadings::hasSolar(*getModel());
}

bool EnergyCockpitPresenter::hasHotWater()
{
    return anyOf({9, 10, 11});
}

bool EnergyCockpitPresenter::hasEnergyBalance()
{
    return anyOf({60, 28, 29, 64});
}

bool EnergyCockpitPresenter::hasSolarIntervalMenu()
{
    return anyOf({60, 64});
}

bool EnergyCockpitPresenter::hasSolarOverview()
{
    return !anyOf({26, 27});
}

void EnergyCockpitPresenter::getCollectorTemperatureText(quillon::WideChar* buffer, uint16_t units)
{
    const model::TemperatureItem collector = getModel()->getGroups().idSolar.solarInfo.getValue().collectorTemperature();
    EnergyReadings::formatTemperature(buffer, units, collector.tenths, collector.hasValue(), CELSIUS);
}

void EnergyCockpitPresenter::getChargeStateText(quillon::WideChar* buffer, uint16_t units)
{
    EnergyReadings::formatPercent(buffer, units, getModel()->getGroups().cylinder.chargeState.getValue());
}

bool EnergyCockpitPresenter::isSolarHeating()
{
    return EnergyReadings::isSolarHeating(*getModel());
}

bool EnergyCockpitPresenter::isBoilerHeating()
{
    return EnergyReadings::isBoilerHeating(*getModel());
}
