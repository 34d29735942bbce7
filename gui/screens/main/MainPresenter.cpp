#include "gui/screens/main/MainPresenter.hpp"

#include "gui/common/ShellPages.hpp"
#include "model/ParameterGroups.hpp"

#include <math.h>

namespace
{
// Setpoints below 3 °C are not a room temperature the device keeps.
const uint32_t LOWEST_ROOM_SETPOINT = 3;

int32_t roundTenths(int32_t tenths)
{
    // Half away from zero: -25 is -3, 215 is 22.
    return tenths >= 0 ? (tenths + 5) / 10 : -((-tenths + 5) / 10);
}

bool bit(uint8_t value, uint8_t mask)
{
    return (value & mask) != 0;
}
} // namespace

MainPresenter::MainPresenter(IView& view)
    : BasePresenter(view), guicontrols::PageIndicatorDataProvider(ShellPages::favourites()), circuit(0)
{
}

model::ParameterGroups& MainPresenter::groups() const
{
    return getModel()->getGroups();
}

void MainPresenter::activate()
{
    model::ParameterGroups& g = groups();
    model::HeatingGroup& heating = g.heating;
    watch({&g.general.boilerTemperature, &g.common.boilerSensorStatus, &heating.roomSetpoint, &heating.hcInfo,
           &heating.operatingProgram, &heating.comfortRequest, &heating.comfortTemperature, &heating.economyRequest,
           &heating.holidayState, &heating.screedDrying, &heating.heatingInfo, &heating.solarInfo,
           &heating.boilerInfo, &g.common.commonInfo});
    setModel(getModel());
}

void MainPresenter::deactivate()
{
    unwatch();
}

bool MainPresenter::hasDataChanged()
{
    const bool devices = getModel()->getDeviceManager().takeChanged();
    const bool values = filterChanged();
    return devices || values;
}

bool MainPresenter::isAvailable(uint8_t deviceFlag)
{
    return getModel()->getDeviceManager().isPresent(deviceFlag);
}

void MainPresenter::setCircuit(uint8_t index)
{
    circuit = index < CIRCUIT_COUNT ? index : 0;
    groups().heating.refreshAll(); // the new circuit's values are asked for at once
}

bool MainPresenter::isCircuitPresent(uint8_t index)
{
    return index < CIRCUIT_COUNT && isAvailable(index);
}

uint32_t MainPresenter::getRoomSetpoint()
{
    const uint32_t setpoint = groups().heating.roomSetpoint[circuit].getValue();
    return setpoint < LOWEST_ROOM_SETPOINT ? LOWEST_ROOM_SETPOINT : setpoint;
}

int32_t MainPresenter::getOutsideTemperature()
{
    const common_info info = groups().common.commonInfo.getValue();
    return roundTenths(model::readI16(info.bytes + 4));
}

int32_t MainPresenter::getBoilerTemperature()
{
    return static_cast<int32_t>(lroundf(groups().general.boilerTemperature.getValue()));
}

bool MainPresenter::isBoilerTemperatureValid()
{
    return groups().common.boilerSensorStatus.getValue() == 0;
}

bool MainPresenter::isExternalConnectionActive()
{
    return bit(groups().heating.hcInfo[circuit].getValue().bytes[0], 0x02);
}

bool MainPresenter::isExternalProgramActive()
{
    return bit(groups().heating.hcInfo[circuit].getValue().bytes[0], 0x04);
}

bool MainPresenter::isScreedDryingActive()
{
    return groups().heating.screedDrying[circuit].getValue() != 0;
}

bool MainPresenter::isHolidayProgramActive()
{
    return bit(groups().heating.holidayState[circuit].getValue(), 0x01);
}

uint8_t MainPresenter::getOperatingProgram()
{
    return groups().heating.operatingProgram[circuit].getValue();
}

bool MainPresenter::isComfortModeActive()
{
    return groups().heating.comfortRequest[circuit].getValue() == 1;
}

void MainPresenter::setComfortMode(uint8_t value)
{
    groups().heating.comfortRequest[circuit].setValue(value);
}

uint8_t MainPresenter::getComfortTemperature()
{
    return groups().heating.comfortTemperature[circuit].getValue();
}

bool MainPresenter::isEconomyModeActive()
{
    return groups().heating.economyRequest[circuit].getValue() == 1;
}

void MainPresenter::setEconomyMode(uint8_t value)
{
    groups().heating.economyRequest[circuit].setValue(value);
}

bool MainPresenter::isReducedHeating()
{
    return groups().heating.heatingInfo[circuit].getValue().bytes[1] == 1;
}

bool MainPresenter::isNormalHeating()
{
    const uint8_t state = groups().heating.heatingInfo[circuit].getValue().bytes[1];
    return state == 2 || state == 3;
}

bool MainPresenter::isFrostProtectionActive()
{
    return bit(groups().heating.heatingInfo[circuit].getValue().bytes[16], 0x01);
}

bool MainPresenter::isSolarActive()
{
    return (groups().heating.solarInfo.getValue().bytes[0] & 0x03) == 0x03;
}

bool MainPresenter::isBurnerOn()
{
    return bit(groups().heating.boilerInfo.getValue().bytes[0], 0x10);
}

bool MainPresenter::isConnectionStatePresent()
{
    return isAvailable(DEVICE_LAN_MODULE);
}

uint8_t MainPresenter::getConnectionState()
{
    return groups().common.commonInfo.getValue().bytes[3];
}

uint8_t MainPresenter::getLockLevel()
{
    return groups().lock.lockLevel.getValue();
}

bool MainPresenter::isPopupAllowed()
{
    model::ParameterGroups& g = groups();
    return !g.common.isWinkActive() && g.testOperation.request.getValue() != 1;
}
