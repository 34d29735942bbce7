#include "gui/screens/wizard/WizzardSystemSchemeMainPresenter.hpp"

#include "model/devices/DeviceIds.hpp"

namespace
{
const uint32_t SOLAR_FLAGS[] = {DEVICE_ZR6, DEVICE_ZR6_B, DEVICE_HELIORA_1, DEVICE_HELIORA_2};
// The scheme draws the second controller model and both modules alike.
const uint32_t OTHER_SOLAR_FLAGS[] = {DEVICE_HELIORA_2, DEVICE_ZR6, DEVICE_ZR6_B};
const uint32_t CYLINDER_FLAGS[] = {DEVICE_CYLINDER_5, DEVICE_CYLINDER_1, DEVICE_CYLINDER_2, DEVICE_CYLINDER_4,
                                   DEVICE_CYLINDER_3};
const uint32_t BOILER_FLAGS[] = {DEVICE_BOILER_2, DEVICE_BOILER_1, DEVICE_BOILER_3, DEVICE_BOILER_4};

template <typename T, unsigned N>
uint8_t countOf(const T (&)[N])
{
    return static_cast<uint8_t>(N);
}
} // namespace

WizzardSystemSchemeMainPresenter::WizzardSystemSchemeMainPresenter(IView& view)
    : BasePresenter(view)
{
}

void WizzardSystemSchemeMainPresenter::activate()
{
    watch({&dhw()->schemeFlag, &shortQuery()->configuration319, &circuits()->circuitType});
}

void WizzardSystemSchemeMainPresenter::deactivate()
{
    unwatch();
}

bool WizzardSystemSchemeMainPresenter::hasDataChanged()
{
    return getModel()->getDeviceManager().takeChanged() || filterChanged();
}

bool WizzardSystemSchemeMainPresenter::isAvailable(uint32_t deviceFlag) const
{
    return getModel()->getDeviceManager().isPresent(deviceFlag);
}

uint8_t WizzardSystemSchemeMainPresenter::getScheme() const
{
    return shortQuery()->configuration319.getValue();
}

void WizzardSystemSchemeMainPresenter::setScheme(uint8_t scheme)
{
    shortQuery()->configuration319.setValue(scheme);
}

bool WizzardSystemSchemeMainPresenter::hasAddedCylinder() const
{
    return dhw()->schemeFlag.getValue() != 0;
}

void WizzardSystemSchemeMainPresenter::clearAddedCylinder()
{
    dhw()->schemeFlag.setValue(0);
}

bool WizzardSystemSchemeMainPresenter::hasSolar() const
{
    return firstPresent(SOLAR_FLAGS, countOf(SOLAR_FLAGS), NO_DEVICE) != NO_DEVICE;
}

bool WizzardSystemSchemeMainPresenter::hasExtraComponent() const
{
    return isAvailable(EXTRA_COMPONENT);
}

uint32_t WizzardSystemSchemeMainPresenter::getSolarDevice() const
{
    if (isAvailable(DEVICE_HELIORA_1)) {
        return DEVICE_HELIORA_1;
    }
    const bool other = firstPresent(OTHER_SOLAR_FLAGS, countOf(OTHER_SOLAR_FLAGS), NO_DEVICE) != NO_DEVICE;
    return other ? DEVICE_HELIORA_2 : NO_DEVICE;
}

uint32_t WizzardSystemSchemeMainPresenter::getCylinderDevice() const
{
    return firstPresent(CYLINDER_FLAGS, countOf(CYLINDER_FLAGS), NO_DEVICE);
}

uint32_t WizzardSystemSchemeMainPresenter::getBoilerDevice() const
{
    return firstPresent(BOILER_FLAGS, countOf(BOILER_FLAGS), DEFAULT_BOILER);
}

uint8_t WizzardSystemSchemeMainPresenter::getCircuitType(uint8_t circuit) const
{
    return circuit < CIRCUIT_COUNT ? circuits()->circuitType.at(circuit).getValue() : 0;
}

uint32_t WizzardSystemSchemeMainPresenter::firstPresent(const uint32_t* flags, uint8_t count, uint32_t fallback) const
{
    for (uint8_t i = 0; i < count; ++i) {
        if (isAvailable(flags[i])) {
            return flags[i];
        }
    }
    return fallback;
}
