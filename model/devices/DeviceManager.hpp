#ifndef MODEL_DEVICES_DEVICEMANAGER_HPP
#define MODEL_DEVICES_DEVICEMANAGER_HPP

#include "model/DataPoint.hpp"
#include "model/devices/DeviceIds.hpp"
#include "model/devices/IDeviceListener.hpp"
#include "model/filter/DefaultPropertyFilter.hpp"
#include "model/filter/ListenerList.hpp"
#include "model/records/Records.hpp"

#include <atomic>
#include <stdint.h>

namespace model
{
// Which circuits, devices, modules, sensors and options the installation has. A filter over
// the 50 device values that reveal it; when one of them changes, its action object
// recomputes the ids that depend on it in a 96-bit presence set.
//
// Tasks: the actions run on the task that stored the value (mostly the device link task),
// the queries on the GUI task. Each presence update is one atomic word operation.
class DeviceManager : public DefaultPropertyFilter
{
public:
    static constexpr uint32_t MAX_LISTENERS = 10;
    static constexpr uint32_t MAX_ACTIONS = 10;
    static constexpr uint32_t PRESENCE_WORDS = 3;

    // Recomputes ids when one of its points changed; registers itself with the manager.
    class GenericDeviceActions : public BaseDataPoint::IActions
    {
    public:
        explicit GenericDeviceActions(DeviceManager* manager);
        void onChanged() override {}

    protected:
        DeviceManager* manager;
    };

    class SolarDeviceActions : public GenericDeviceActions
    {
    public:
        using GenericDeviceActions::GenericDeviceActions;
        void onChanged() override;
    };

    class HeatingCircuitsActions : public GenericDeviceActions
    {
    public:
        using GenericDeviceActions::GenericDeviceActions;
        void onChanged() override;
    };

    class RelavoActions : public GenericDeviceActions
    {
    public:
        using GenericDeviceActions::GenericDeviceActions;
        void onChanged() override;
    };

    class CommonInfoActions : public GenericDeviceActions
    {
    public:
        using GenericDeviceActions::GenericDeviceActions;
        void onChanged() override;
    };

    class OtherActions : public GenericDeviceActions
    {
    public:
        using GenericDeviceActions::GenericDeviceActions;
        void onChanged() override;
    };

    // The remote control of one heating circuit, 1..3.
    class TelvoActions : public GenericDeviceActions
    {
    public:
        TelvoActions(DeviceManager* manager, uint32_t circuit) : GenericDeviceActions(manager), circuit(circuit) {}
        void onChanged() override;

    private:
        uint32_t circuit;
    };

    class PumpActions : public GenericDeviceActions
    {
    public:
        using GenericDeviceActions::GenericDeviceActions;
        void onChanged() override;
    };

    class FlamoraActions : public GenericDeviceActions
    {
    public:
        using GenericDeviceActions::GenericDeviceActions;
        void onChanged() override;
    };

    DeviceManager();
    DeviceManager(const DeviceManager&) = delete;
    DeviceManager& operator=(const DeviceManager&) = delete;

    // Start-up: every point counts as changed once, then every action runs in order.
    void init();

    bool isPresent(uint32_t id) const;
    // Silent when nothing changes: no flag, no notification.
    void setPresent(uint32_t id);
    void setAbsent(uint32_t id);
    void setPresence(uint32_t id, bool present);

    // Whether any presence changed since the last call. The filter's own flag (cleared by
    // clearChanged) is a different one.
    bool takeChanged() override { return deviceChanged.exchange(0) != 0; }

    // False when ten are registered; the same listener may be registered twice.
    bool addListener(IDeviceListener* listener);
    // Every occurrence; the last entry takes the freed place. True when one was removed.
    bool removeListener(IDeviceListener* listener);
    void notifyListeners(uint32_t id, uint32_t change);
    uint32_t getListenerCount() const { return listeners.size(); }

    // Called by the action objects' constructors only.
    void addActions(GenericDeviceActions* actionObject);

    // Every device point to its fast poll period while a menu shows, and back.
    void activate();
    void deactivate();

    // Follows a bool point: when it changed, read it and set the id for true, clear it
    // for false.
    void updateFlag(DataPoint<bool, DP_U8>& point, uint32_t id);

private:
    using Flag = DataPoint<bool, DP_U8>;
    using Byte = DataPoint<unsigned char, DP_U8>;

    void setRange(uint32_t firstId, uint32_t lastId, bool present);
    // The value 6 of a sensor status byte means not fitted.
    void followSensor(Byte& point, uint32_t id);

    std::atomic<uint32_t> presence[PRESENCE_WORDS];
    ListenerList<IDeviceListener, MAX_LISTENERS> listeners;
    std::atomic<uint8_t> deviceChanged;
    GenericDeviceActions* actions[MAX_ACTIONS];
    uint32_t actionCount;

    SolarDeviceActions solarDeviceActions;
    HeatingCircuitsActions heatingCircuitsActions;
    RelavoActions relavoActions;
    CommonInfoActions commonInfoActions;
    OtherActions otherActions;
    TelvoActions telvoActions1;
    TelvoActions telvoActions2;
    TelvoActions telvoActions3;
    PumpActions pumpActions;
    FlamoraActions flamoraActions;

    DataPoint<solar_info, DP_SOLAR_INFO> solarInfo;          // 253
    Flag destratificationPump;                               // 627
    Byte solarController;                                    // 331
    Flag singleHotWater;                                     // 335
    Byte circuitConfiguration;                               // 319
    Flag relavoEnabled;                                      // 342
    DataPoint<system_identifier, DP_SYSTEM_IDENTIFIER> relavoIdentifier; // 37
    Flag option334;                                          // 334
    Byte remoteHc1;                                          // 92
    Byte remoteHc2;                                          // 145
    Byte remoteHc3;                                          // 198
    Flag pumpHc1;                                            // 97
    Flag pumpHc2;                                            // 150
    Flag pumpHc3;                                            // 203
    Byte internalPump;                                       // 228
    Flag flowSensor;                                         // 320
    Byte boilerModel;                                        // 355
    Flag otModule;                                           // 341
    Flag idExtension1;                                       // 343
    Flag idExtension2;                                       // 344
    Flag option330;                                          // 330
    Flag option338;                                          // 338, read by no rule
    Flag option223;                                          // 223
    Byte mixerHc2;                                           // 141
    Byte mixerHc3;                                           // 194
    Byte subscriberMode;                                     // 332
    DataPoint<common_info, DP_COMMON_INFO> commonInfo;       // 288
    Flag qn5Module;                                          // 324
    Flag xb3Module;                                          // 321
    Flag locked;                                             // 339
    Byte sensorOutside;                                      // 8
    Byte sensorBoiler;                                       // 9
    Byte sensorCylinder;                                     // 10
    Byte sensorOutlet;                                       // 11
    Byte sensorFlueGas;                                      // 12
    Byte sensorSupply;                                       // 13
    Byte sensorSupplyHc2;                                    // 154
    Byte status155;                                          // 155
    Byte sensorSupplyHc3;                                    // 207
    Byte status208;                                          // 208
    Byte sensorRoomHc1;                                      // 24
    Byte sensorRoomHc2;                                      // 25
    Byte sensorRoomHc3;                                      // 26
    Byte cylinderType;                                       // 255
    Byte solarPumpType;                                      // 622
    Byte solarFlow;                                          // 626
    Byte fillingState;                                       // 354
    Flag lanModule;                                          // 641
    Flag circulationA;                                       // 256
    Flag circulationB;                                       // 289
};
} // namespace model

#endif
