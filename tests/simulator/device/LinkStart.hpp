#ifndef TESTS_SIMULATOR_DEVICE_LINKSTART_HPP
#define TESTS_SIMULATOR_DEVICE_LINKSTART_HPP

#include "model/dpt/DataPointTable.hpp"
#include "model/link/DeviceLink.hpp"
#include "simulator/device/DeviceSimulator.hpp"

// The device side, the table and the link in the program's start-up order, before the
// scheduler starts.
inline void startDeviceSideAndLink()
{
    simStart();
    dptInit(dptStaticTable(), dptStaticTableSize());
    dptSetSenders(linkTableSenders());
    linkSetTxQueue(simGetPanelToDeviceQueue());
    linkSetRxQueue(simGetDeviceToPanelQueue());
    linkInit();
}

#endif
