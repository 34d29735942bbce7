#include "gui/screens/wizard/WizzardDetectedDevicesPresenter.hpp"

#include "model/DataModelManager.hpp"

namespace
{
// A sensor's indicator: a status byte of the table, or a byte of the solar record.
struct SensorSource
{
    model::DataPoint<unsigned char, DP_U8>* (*point)(model::ParameterGroups& groups);
    int8_t solarByte; // -1: the point
};

const SensorSource SOURCES[WizzardDetectedDevicesPresenter::SENSOR_COUNT] = {
    {[](model::ParameterGroups& g) { return &g.common.boilerSensorStatus; }, -1},
    {[](model::ParameterGroups& g) { return &g.common.flueGasSensorStatus; }, -1},
    {[](model::ParameterGroups& g) { return &g.common.outsideSensorStatus; }, -1},
    {[](model::ParameterGroups& g) { return &g.common.outletSensorStatus; }, -1},
    {[](model::ParameterGroups& g) { return &g.common.supplySensorStatus; }, -1},
    {[](model::ParameterGroups& g) { return &g.common.supplyHc2SensorStatus; }, -1},
    {[](model::ParameterGroups& g) { return &g.common.supplyHc3SensorStatus; }, -1},
    {nullptr, 10}, // solar sensor 7
    {nullptr, 13}, // solar sensor 10
    {nullptr, 4},  // collector
    {nullptr, 7},  // solar cylinder
    {[](model::ParameterGroups& g) { return &g.hc.sensorStatus.at(0); }, -1},
    {[](model::ParameterGroups& g) { return &g.hc.sensorStatus.at(1); }, -1},
    {[](model::ParameterGroups& g) { return &g.hc.sensorStatus.at(2); }, -1},
    {[](model::ParameterGroups& g) { return &g.dhw.cylinderSensorStatus; }, -1},
};
} // namespace

void WizzardDetectedDevicesPresenter::activate()
{
    if (getModel() != nullptr) {
        getModel()->getDeviceManager().refreshAll();
    }
}

bool WizzardDetectedDevicesPresenter::hasDataChanged()
{
    return getModel() != nullptr && getModel()->getDeviceManager().takeChanged();
}

bool WizzardDetectedDevicesPresenter::isAvailable(uint32_t deviceFlag) const
{
    return getModel() != nullptr && getModel()->getDeviceManager().isPresent(deviceFlag);
}

uint8_t WizzardDetectedDevicesPresenter::getSensorIndicator(uint32_t line) const
{
    if (line >= SENSOR_COUNT || getModel() == nullptr) {
        return 1;
    }
    model::ParameterGroups& groups = getModel()->getGroups();
    const SensorSource& source = SOURCES[line];
    if (source.point != nullptr) {
        return source.point(groups)->getValue();
    }
    // A fresh copy of the record for every line.
    const solar_info record = groups.idSolar.solarInfo.getValue();
    return record.bytes[source.solarByte];
}
