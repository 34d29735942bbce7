#include "gui/popups/PopupData.hpp"

#include "model/DataModelManager.hpp"

namespace
{
const uint32_t BOILER_SYMBOL_BIT = 4;
} // namespace

PopupData::PopupData(model::DataModelManager& model, BoardStates& boardStates)
    : boilerTemperature(0),
      temperatureStatus(0),
      winkSubscriber(0),
      boilerSymbolOn(false),
      popupModel(model),
      popupFilter("popup filter"),
      common(model.getGroups().common),
      general(model.getGroups().general),
      fillingVenting(model.getGroups().fillingVenting),
      testOperation(model.getGroups().testOperation),
      flueGasSensor(model.getGroups().flueGasSensor),
      fault(model.getGroups().fault),
      lan(model.getGroups().lan),
      boardStates(boardStates),
      listener(nullptr),
      flueGasCheckRunning(false),
      clockChecked(false),
      linkState(0),
      clockError(0),
      filterRegistered(false),
      pendingChange(0)
{
    popupFilter.addListener(this);
    popupFilter.add(&common.commonInfo);
    popupFilter.add(&general.boilerInfo);
    popupFilter.add(&common.boilerSensorStatus);
    popupFilter.add(&testOperation.request);
    popupFilter.add(&fillingVenting.request);
    popupFilter.addRange(flueGasSensor.begin(), flueGasSensor.end());
    popupFilter.add(&general.subscriberNumber);
    popupFilter.add(&fault.faultList);
    popupFilter.add(&lan.moduleError);
    popupFilter.add(&common.popupState);
    // Watched, and so polled fast, for the whole run.
    filterRegistered = popupModel.addFilter(&popupFilter);
    refreshCache();
}

PopupData::~PopupData()
{
    if (filterRegistered) {
        popupModel.removeFilter(&popupFilter);
    }
    popupFilter.removeAll();
}

void PopupData::onPropertyChanged(model::IPropertyFilter*, uint32_t)
{
    pendingChange = 1;
}

void PopupData::pollBoardStates()
{
    const uint8_t link = boardStates.isLinkOk() ? 1 : 0;
    const uint8_t error = boardStates.isClockValid() ? 0 : 1;
    if (link != linkState || error != clockError) {
        linkState = link;
        clockError = error;
        notifyListener();
    }
}

void PopupData::applyChanges()
{
    if (pendingChange.exchange(0) == 0) {
        return;
    }
    refreshCache();
    notifyListener();
}

void PopupData::refreshCache()
{
    const boiler_info boiler = general.boilerInfo.getValue();
    temperatureStatus = common.boilerSensorStatus.getValue();
    boilerTemperature = toWholeDegrees(boiler.temperature());
    boilerSymbolOn = ((boiler.bytes[0] >> BOILER_SYMBOL_BIT) & 1u) != 0;
    winkSubscriber = general.subscriberNumber.getValue();
}

void PopupData::notifyListener()
{
    if (listener != nullptr) {
        listener->onPopupDataChanged();
    }
}

int16_t PopupData::toWholeDegrees(int16_t tenths)
{
    // Integer halves away from zero: the same as rounding tenths / 10.0.
    const int32_t value = tenths;
    const int32_t whole = value >= 0 ? (value + 5) / 10 : -((-value + 5) / 10);
    return static_cast<int16_t>(whole);
}

bool PopupData::isTestOperationActive() const
{
    return testOperation.request.getValue() != 0;
}

bool PopupData::isVentingRequested() const
{
    return fillingVenting.request.getValue() == 1;
}

bool PopupData::isFillingRequested() const
{
    return fillingVenting.request.getValue() == 2;
}

bool PopupData::hasFault() const
{
    return common.hasFault();
}

bool PopupData::isCombustionControllerLocked() const
{
    return common.isCombustionControllerLocked();
}

bool PopupData::isWinkActive() const
{
    return common.isWinkActive();
}

uint8_t PopupData::getServiceCount() const
{
    return static_cast<uint8_t>(common.getServiceCount());
}

bool PopupData::isHydraulicBalancingActive() const
{
    return common.popupState.getValue() != 0;
}

bool PopupData::takeClockErrorOnce()
{
    const bool invalid = !boardStates.isClockValid();
    const bool first = !clockChecked;
    clockChecked = true;
    return first && invalid;
}

uint8_t PopupData::takeFlueGasCheckResult()
{
    if (!flueGasCheckRunning) {
        return CHECK_NONE;
    }
    if (flueGasSensor.sensorState2.getValue() == 0 && flueGasSensor.sensorState3.getValue() == 0) {
        flueGasCheckRunning = false;
        return CHECK_PASSED;
    }
    const uint32_t alarms = fault.getFaultCount();
    for (uint32_t i = 0; i < alarms; ++i) {
        if (fault.faultList.at(i).getValue().code() == ALARM_FLUE_GAS_CHECK_FAILED) {
            flueGasCheckRunning = false;
            return CHECK_FAILED;
        }
    }
    return CHECK_NONE;
}

bool PopupData::startFlueGasCheck()
{
    if (flueGasCheckRunning || flueGasSensor.sensorState.getValue() != 1 || flueGasSensor.sensorState2.getValue() != 1) {
        return false;
    }
    flueGasSensor.acknowledgement.setValue(1);
    flueGasCheckRunning = true;
    return true;
}

bool PopupData::isLanStateFlagSet(uint8_t mask) const
{
    return (lan.moduleError.getValue() & mask) != 0;
}

const quillon::WideChar* PopupData::getContactName() const
{
    return popupModel.getGroups().settings.name.get();
}

const quillon::WideChar* PopupData::getContactNumber() const
{
    model::SettingsGroup& settings = popupModel.getGroups().settings;
    const quillon::WideChar* telephone = settings.telephone.get();
    if (telephone[0] != 0) {
        return telephone;
    }
    const quillon::WideChar* mobile = settings.mobile.get();
    if (mobile[0] != 0) {
        return mobile;
    }
    return settings.email.get();
}
