#include "model/devices/DeviceManager.hpp"

#include <quillon/Assert.hpp>

namespace model
{
namespace
{
constexpr uint32_t PRESENCE_BITS_PER_WORD = 32;
constexpr uint32_t USED_IDS = DEVICE_NONE; // 84..95 are never set
} // namespace

DeviceManager::GenericDeviceActions::GenericDeviceActions(DeviceManager* manager) : manager(manager)
{
    manager->addActions(this);
}

DeviceManager::DeviceManager()
    : listeners(),
      deviceChanged(0),
      actionCount(0),
      solarDeviceActions(this),
      heatingCircuitsActions(this),
      relavoActions(this),
      commonInfoActions(this),
      otherActions(this),
      telvoActions1(this, 1),
      telvoActions2(this, 2),
      telvoActions3(this, 3),
      pumpActions(this),
      flamoraActions(this),
      solarInfo(253, this, &solarDeviceActions),
      destratificationPump(627, this, &solarDeviceActions),
      solarController(331, this, &solarDeviceActions),
      singleHotWater(335, this, &heatingCircuitsActions),
      circuitConfiguration(319, this, &heatingCircuitsActions),
      relavoEnabled(342, this, &relavoActions),
      relavoIdentifier(37, this, &relavoActions),
      option334(334, this, &relavoActions),
      remoteHc1(92, this, &telvoActions1),
      remoteHc2(145, this, &telvoActions2),
      remoteHc3(198, this, &telvoActions3),
      pumpHc1(97, this, &pumpActions),
      pumpHc2(150, this, &pumpActions),
      pumpHc3(203, this, &pumpActions),
      internalPump(228, this, &pumpActions),
      flowSensor(320, this, &otherActions),
      boilerModel(355, this, &flamoraActions),
      otModule(341, this, &otherActions),
      idExtension1(343, this, &otherActions),
      idExtension2(344, this, &otherActions),
      option330(330, this, &otherActions),
      option338(338, this, &otherActions),
      option223(223, this, &otherActions),
      mixerHc2(141, this, &otherActions),
      mixerHc3(194, this, &otherActions),
      subscriberMode(332, this, &otherActions),
      commonInfo(288, this, &commonInfoActions),
      qn5Module(324, this, &otherActions),
      xb3Module(321, this, &otherActions),
      locked(339, this, &otherActions),
      sensorOutside(8, this, &otherActions),
      sensorBoiler(9, this, &otherActions),
      sensorCylinder(10, this, &otherActions),
      sensorOutlet(11, this, &otherActions),
      sensorFlueGas(12, this, &otherActions),
      sensorSupply(13, this, &otherActions),
      sensorSupplyHc2(154, this, &otherActions),
      status155(155, this, &otherActions),
      sensorSupplyHc3(207, this, &otherActions),
      status208(208, this, &otherActions),
      sensorRoomHc1(24, this, &otherActions),
      sensorRoomHc2(25, this, &otherActions),
      sensorRoomHc3(26, this, &otherActions),
      cylinderType(255, this, &otherActions),
      solarPumpType(622, this, &otherActions),
      solarFlow(626, this, &otherActions),
      fillingState(354, this, &otherActions),
      lanModule(641, this, &otherActions),
      circulationA(256, this, &otherActions),
      circulationB(289, this, &otherActions)
{
    for (std::atomic<uint32_t>& word : presence) {
        word = 0;
    }
}

void DeviceManager::init()
{
    DefaultPropertyFilter::init();
    for (uint32_t position = 0; position < count(); ++position) {
        at(position)->setChanged();
    }
    for (uint32_t i = 0; i < actionCount; ++i) {
        actions[i]->onChanged();
    }
}

bool DeviceManager::isPresent(uint32_t id) const
{
    if (id >= USED_IDS) {
        return false;
    }
    return (presence[id / PRESENCE_BITS_PER_WORD].load() & (1u << (id % PRESENCE_BITS_PER_WORD))) != 0;
}

void DeviceManager::setPresent(uint32_t id)
{
    if (id >= USED_IDS) {
        return;
    }
    const uint32_t bit = 1u << (id % PRESENCE_BITS_PER_WORD);
    if ((presence[id / PRESENCE_BITS_PER_WORD].fetch_or(bit) & bit) != 0) {
        return;
    }
    deviceChanged = 1;
    notifyListeners(id, IDeviceListener::DEVICE_ADDED);
}

void DeviceManager::setAbsent(uint32_t id)
{
    if (id >= USED_IDS) {
        return;
    }
    const uint32_t bit = 1u << (id % PRESENCE_BITS_PER_WORD);
    if ((presence[id / PRESENCE_BITS_PER_WORD].fetch_and(~bit) & bit) == 0) {
        return;
    }
    deviceChanged = 1;
    notifyListeners(id, IDeviceListener::DEVICE_REMOVED);
}

void DeviceManager::setPresence(uint32_t id, bool present)
{
    if (present) {
        setPresent(id);
    } else {
        setAbsent(id);
    }
}

bool DeviceManager::addListener(IDeviceListener* listener)
{
    return listeners.add(listener);
}

bool DeviceManager::removeListener(IDeviceListener* listener)
{
    return listeners.remove(listener);
}

void DeviceManager::notifyListeners(uint32_t id, uint32_t change)
{
    for (uint32_t i = 0; i < listeners.size(); ++i) {
        listeners[i]->onDeviceChanged(id, change);
    }
}

void DeviceManager::addActions(GenericDeviceActions* actionObject)
{
    QUILLON_ASSERT(actionCount < MAX_ACTIONS && "too many device actions");
    actions[actionCount++] = actionObject;
}

void DeviceManager::activate()
{
    activateAll();
}

void DeviceManager::deactivate()
{
    deactivateAll();
}

void DeviceManager::updateFlag(Flag& point, uint32_t id)
{
    if (!point.isChanged()) {
        return;
    }
    setPresence(id, point.getValue());
}

void DeviceManager::setRange(uint32_t firstId, uint32_t lastId, bool present)
{
    for (uint32_t id = firstId; id <= lastId; ++id) {
        setPresence(id, present);
    }
}

void DeviceManager::followSensor(Byte& point, uint32_t id)
{
    if (!point.isChanged()) {
        return;
    }
    const uint8_t NOT_FITTED = 6;
    setPresence(id, point.getValue() != NOT_FITTED);
}
} // namespace model
