#include "model/devices/DeviceManager.hpp"

// The rules that turn device values into device ids. A rule on a bool point, and every rule
// introduced as gated, acts only when its point changed; reading a point clears its flag.
namespace model
{
namespace
{
constexpr uint8_t NOT_FITTED = 6;
constexpr uint8_t SPEED_CONTROLLED_PUMP = 0x04;
} // namespace

void DeviceManager::SolarDeviceActions::onChanged()
{
    DeviceManager& m = *manager;
    if (m.solarInfo.isChanged()) {
        const solar_info record = m.solarInfo.getValue();
        if ((record.bytes[0] & SPEED_CONTROLLED_PUMP) == 0) {
            m.setPresent(DEVICE_SOLAR_PUMP);
            m.setAbsent(DEVICE_SOLAR_PUMP_SPEED);
        } else {
            m.setPresent(DEVICE_SOLAR_PUMP_SPEED);
            m.setAbsent(DEVICE_SOLAR_PUMP);
        }
        const struct
        {
            uint32_t byte;
            uint32_t id;
        } sensors[] = {{10, DEVICE_SENSOR_SOLAR_7},
                       {13, DEVICE_SENSOR_SOLAR_10},
                       {4, DEVICE_SENSOR_COLLECTOR},
                       {7, DEVICE_SENSOR_SOLAR_CYLINDER}};
        for (const auto& sensor : sensors) {
            m.setPresence(sensor.id, record.bytes[sensor.byte] != NOT_FITTED);
        }
    }

    const bool output22 = m.destratificationPump.getValue();
    switch (m.solarController.getValue()) {
    case 0:
        m.setRange(DEVICE_HELIORA_1, DEVICE_ZR6_B, false);
        break;
    case 1:
        m.setAbsent(DEVICE_ZR6);
        m.setAbsent(DEVICE_ZR6_B);
        m.setAbsent(DEVICE_HELIORA_2);
        m.setPresent(DEVICE_HELIORA_1);
        break;
    case 2:
        m.setAbsent(DEVICE_ZR6);
        m.setAbsent(DEVICE_ZR6_B);
        m.setAbsent(DEVICE_HELIORA_1);
        m.setPresent(DEVICE_HELIORA_2);
        break;
    case 3:
        m.setAbsent(DEVICE_HELIORA_1);
        m.setAbsent(DEVICE_HELIORA_2);
        m.setAbsent(DEVICE_ZR6_B);
        m.setPresent(DEVICE_ZR6);
        m.setPresence(DEVICE_ZR6_OUTPUT_22, output22);
        break;
    case 4:
        m.setAbsent(DEVICE_HELIORA_1);
        m.setAbsent(DEVICE_HELIORA_2);
        m.setAbsent(DEVICE_ZR6);
        m.setPresent(DEVICE_ZR6_B);
        m.setPresence(DEVICE_ZR6_OUTPUT_22, output22);
        break;
    default:
        break; // an unknown controller changes nothing
    }
}

void DeviceManager::HeatingCircuitsActions::onChanged()
{
    DeviceManager& m = *manager;
    // Every id that stays is thus reported removed and added again.
    const uint32_t ids[] = {DEVICE_HC1, DEVICE_HC2, DEVICE_HC3, DEVICE_DHW_HC1, DEVICE_DHW_HC2, DEVICE_DHW_HC3};
    for (uint32_t id : ids) {
        m.setAbsent(id);
    }
    const bool single = m.singleHotWater.getValue();
    const uint8_t configuration = m.circuitConfiguration.getValue();

    // Circuits and hot water per configuration; 0 and above 9 mean all three.
    bool circuit[3] = {true, true, true};
    bool hotWater[3] = {true, !single, !single};
    switch (configuration) {
    case 1:
        circuit[1] = circuit[2] = false;
        hotWater[0] = hotWater[1] = hotWater[2] = false;
        break;
    case 2:
        circuit[1] = circuit[2] = false;
        hotWater[0] = true;
        hotWater[1] = hotWater[2] = false;
        break;
    case 3:
        circuit[0] = circuit[2] = false;
        hotWater[0] = hotWater[1] = hotWater[2] = false;
        break;
    case 4:
        circuit[0] = circuit[2] = false;
        hotWater[0] = hotWater[2] = false;
        hotWater[1] = true;
        break;
    case 5:
        circuit[2] = false;
        hotWater[0] = hotWater[1] = hotWater[2] = false;
        break;
    case 6:
        circuit[2] = false;
        hotWater[0] = true;
        hotWater[1] = !single;
        hotWater[2] = false;
        break;
    case 7:
        circuit[0] = false;
        hotWater[0] = hotWater[1] = hotWater[2] = false;
        break;
    case 8:
        circuit[0] = false;
        hotWater[0] = false;
        hotWater[1] = true;
        hotWater[2] = !single;
        break;
    case 9:
        hotWater[0] = hotWater[1] = hotWater[2] = false;
        break;
    default:
        break;
    }
    for (uint32_t i = 0; i < 3; ++i) {
        if (circuit[i]) {
            m.setPresent(DEVICE_HC1 + i);
        }
    }
    for (uint32_t i = 0; i < 3; ++i) {
        if (hotWater[i]) {
            m.setPresent(DEVICE_DHW_HC1 + i);
        }
    }
}

void DeviceManager::RelavoActions::onChanged()
{
    DeviceManager& m = *manager;
    const uint8_t LAST_OLD_VARIANT = 4;
    const system_identifier identifier = m.relavoIdentifier.getValue();
    // The flag is read only for a new enough interface.
    m.setPresence(DEVICE_RELAVO, identifier.variant() > LAST_OLD_VARIANT && m.relavoEnabled.getValue());
    m.updateFlag(m.option334, DEVICE_DP334);
}

void DeviceManager::TelvoActions::onChanged()
{
    DeviceManager& m = *manager;
    Byte* const points[] = {&m.remoteHc1, &m.remoteHc2, &m.remoteHc3};
    if (circuit < 1 || circuit > 3) {
        return;
    }
    const uint32_t base = DEVICE_REMOTE_HC1_TYPE1 + 4 * (circuit - 1);
    m.setRange(base, base + 3, false);
    const uint8_t type = points[circuit - 1]->getValue();
    if (type >= 1 && type <= 4) {
        m.setPresent(base + type - 1);
    }
}

void DeviceManager::PumpActions::onChanged()
{
    DeviceManager& m = *manager;
    m.updateFlag(m.pumpHc1, DEVICE_PUMP_HC1);
    m.updateFlag(m.pumpHc2, DEVICE_PUMP_HC2);
    m.updateFlag(m.pumpHc3, DEVICE_PUMP_HC3);
    if (m.internalPump.isChanged()) {
        const uint8_t value = m.internalPump.getValue();
        m.setPresence(DEVICE_INTERNAL_PUMP, value == 1 || value == 2);
    }
}

void DeviceManager::FlamoraActions::onChanged()
{
    DeviceManager& m = *manager;
    m.setRange(DEVICE_BOILER_1, DEVICE_BOILER_4, false);
    const uint8_t model = m.boilerModel.getValue();
    if (model <= 1) {
        m.setPresent(DEVICE_BOILER_1);
    } else if (model <= 4) {
        m.setPresent(DEVICE_BOILER_1 + model - 1);
    }
}

void DeviceManager::CommonInfoActions::onChanged()
{
    DeviceManager& m = *manager;
    if (!m.commonInfo.isChanged()) {
        return;
    }
    // One reading for all six tests, so they agree on one state of the record.
    const common_info record = m.commonInfo.getValue();
    m.setPresence(DEVICE_COMMON_B0_BIT0, (record.bytes[0] & 0x01) != 0);
    m.setPresence(DEVICE_OUTSIDE_TEMPERATURE, record.bytes[6] == 0);
    // A 2-bit output field with both bits set: the output is not in use.
    const struct
    {
        uint8_t mask;
        uint32_t id;
    } outputs[] = {{0x0C, DEVICE_OUTPUT_20}, {0x30, DEVICE_COMMON_B2_PAIR2}, {0xC0, DEVICE_COMMON_B2_PAIR3}};
    for (const auto& output : outputs) {
        m.setPresence(output.id, (record.bytes[2] & output.mask) != output.mask);
    }
    m.setPresence(DEVICE_COMMON_B1_LOW, (record.bytes[1] & 0x0F) != 0);
}

void DeviceManager::OtherActions::onChanged()
{
    DeviceManager& m = *manager;
    m.updateFlag(m.otModule, DEVICE_OT_MODULE);
    m.updateFlag(m.idExtension1, DEVICE_ID_EXTENSION_1);
    m.updateFlag(m.idExtension2, DEVICE_ID_EXTENSION_2);
    m.updateFlag(m.option330, DEVICE_DP330);
    m.updateFlag(m.option223, DEVICE_DP223);
    m.updateFlag(m.qn5Module, DEVICE_QN5);
    // Never acts: the line above has read the point and cleared its flag.
    m.updateFlag(m.qn5Module, DEVICE_DP324_B);
    m.updateFlag(m.xb3Module, DEVICE_XB3);
    m.updateFlag(m.flowSensor, DEVICE_FLOW_SENSOR);
    m.updateFlag(m.lanModule, DEVICE_LAN_MODULE);
    m.updateFlag(m.circulationA, DEVICE_CIRCULATION_A);
    m.updateFlag(m.circulationB, DEVICE_CIRCULATION_B);

    if (m.locked.isChanged()) {
        m.setPresence(DEVICE_UNLOCKED, !m.locked.getValue());
    }

    const uint8_t MIXER_EXTENSION = 2;
    if (m.mixerHc2.isChanged()) {
        m.setPresence(DEVICE_MIXER_HC2, m.mixerHc2.getValue() == MIXER_EXTENSION);
    }
    if (m.mixerHc3.isChanged()) {
        m.setPresence(DEVICE_MIXER_HC3, m.mixerHc3.getValue() == MIXER_EXTENSION);
    }

    if (m.subscriberMode.isChanged()) {
        switch (m.subscriberMode.getValue()) {
        case 1:
            m.setPresent(DEVICE_SUBSCRIBER_NUMBER);
            m.setAbsent(DEVICE_DP332_3);
            m.setAbsent(DEVICE_DP332_2);
            break;
        case 2:
            m.setAbsent(DEVICE_SUBSCRIBER_NUMBER);
            m.setPresent(DEVICE_DP332_2);
            m.setAbsent(DEVICE_DP332_3);
            break;
        case 3:
            m.setAbsent(DEVICE_SUBSCRIBER_NUMBER);
            m.setAbsent(DEVICE_DP332_2);
            m.setPresent(DEVICE_DP332_3);
            break;
        default:
            m.setRange(DEVICE_SUBSCRIBER_NUMBER, DEVICE_DP332_2, false);
            break;
        }
    }

    m.followSensor(m.sensorBoiler, DEVICE_SENSOR_BOILER);
    m.followSensor(m.sensorOutside, DEVICE_SENSOR_OUTSIDE);
    m.followSensor(m.sensorFlueGas, DEVICE_SENSOR_FLUE_GAS);
    m.followSensor(m.sensorCylinder, DEVICE_SENSOR_CYLINDER);
    m.followSensor(m.sensorOutlet, DEVICE_SENSOR_OUTLET);
    m.followSensor(m.sensorSupply, DEVICE_SENSOR_SUPPLY);
    m.followSensor(m.sensorSupplyHc2, DEVICE_SENSOR_SUPPLY_HC2);
    // 78 and 80 are only ever cleared; their points are not read.
    if (m.status155.isChanged()) {
        m.setAbsent(DEVICE_DP155);
    }
    m.followSensor(m.sensorSupplyHc3, DEVICE_SENSOR_SUPPLY_HC3);
    if (m.status208.isChanged()) {
        m.setAbsent(DEVICE_DP208);
    }
    m.followSensor(m.sensorRoomHc1, DEVICE_SENSOR_ROOM_HC1);
    m.followSensor(m.sensorRoomHc2, DEVICE_SENSOR_ROOM_HC2);
    m.followSensor(m.sensorRoomHc3, DEVICE_SENSOR_ROOM_HC3);

    if (m.cylinderType.isChanged()) {
        m.setRange(DEVICE_CYLINDER_1, DEVICE_CYLINDER_5, false);
        const uint8_t type = m.cylinderType.getValue();
        if (type >= 1 && type <= 5) {
            m.setPresent(DEVICE_BOILER_4 + type);
        }
    }

    const uint8_t CALIBRATABLE_PUMP = 2;
    if (m.solarPumpType.isChanged()) {
        m.setPresence(DEVICE_SOLAR_PUMP_CALIBRATION, m.solarPumpType.getValue() == CALIBRATABLE_PUMP);
    }
    if (m.solarFlow.isChanged()) {
        m.setPresence(DEVICE_SOLAR_PUMP_STATUS, m.solarFlow.getValue() != 0);
    }
    if (m.fillingState.isChanged()) {
        m.setPresence(DEVICE_DP354_ZERO, m.fillingState.getValue() == 0);
    }
}
} // namespace model
