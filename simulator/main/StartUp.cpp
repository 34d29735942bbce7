#include "simulator/main/StartUp.hpp"

#include "model/DataModelManager.hpp"
#include "model/dpt/DataPointTable.hpp"
#include "model/link/DeviceLink.hpp"
#include "simulator/board/Board.hpp"
#include "simulator/device/DeviceSimulator.hpp"
#include "simulator/hwqc/ProductionTest.hpp"

// Each step runs to completion before the next; the tasks created on the way run only once
// the scheduler starts. Kernel objects that cannot be created are the kernel's to handle.
void simulatorStartUp()
{
    boardPeriodicHook();
    boardStartupHook1();
    simStart();
    boardStartupHook2();
    dptInit(dptStaticTable(), dptStaticTableSize(), dptStaticAddressOrder());
    dptSetSenders(linkTableSenders());
    linkSetTxQueue(simGetPanelToDeviceQueue());
    linkSetRxQueue(simGetDeviceToPanelQueue());
    linkInit();

    // Settings loaded and checked, device manager and clock set up, change callback registered.
    model::DataModelManager::getInstance().init();
    boardStartupHook3();
    boardStartupHook4();
    if (hwqcIsRequested()) {
        hwqcStart(); // no GUI task, no window, no application
    } else {
        createGuiTask();
        boardGuiStartedHook();
    }
}
