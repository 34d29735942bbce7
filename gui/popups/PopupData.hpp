#ifndef GUI_POPUPS_POPUPDATA_HPP
#define GUI_POPUPS_POPUPDATA_HPP

#include "gui/popups/BoardStates.hpp"
#include "gui/popups/IPopupListener.hpp"
#include "model/filter/DefaultPropertyFilter.hpp"
#include "model/filter/Listeners.hpp"

#include <quillon/hal/Types.hpp>

#include <atomic>
#include <stdint.h>

namespace model
{
class DataModelManager;
class CommonGroup;
class GeneralGroup;
class FillingVentingGroup;
class TestOperationGroup;
class FlueGasSensorGroup;
class FaultGroup;
class LanGroup;
} // namespace model

// The device values and board states the popup rules ask, watched for the whole run, and
// the few values the popups show.
//
// Tasks: a device answer arrives on the device link task, which only marks the data
// changed; applyChanges, on the GUI task, re-reads the cache and runs the rules there, so
// neither the rules nor the popup manager nor the page manager is ever touched from
// another task. The decision rests on this filter's own report, never on a point's changed
// flag, which any other reader of the point may already have taken.
class PopupData : public model::IDataChangedListener
{
public:
    static const uint8_t ALARM_FLUE_GAS_CHECK_FAILED = 0xA3;
    // takeFlueGasCheckResult
    static const uint8_t CHECK_NONE = 0;
    static const uint8_t CHECK_PASSED = 1;
    static const uint8_t CHECK_FAILED = 2;

    explicit PopupData(model::DataModelManager& model, BoardStates& boardStates = BoardStates::board());
    ~PopupData() override;
    PopupData(const PopupData&) = delete;
    PopupData& operator=(const PopupData&) = delete;

    void setListener(IPopupListener* newListener) { listener = newListener; }

    // Any task: only marks the data changed.
    void onPropertyChanged(model::IPropertyFilter* filter, uint32_t position) override;
    // GUI task, every frame: the rules run when the link or the clock state changed.
    void pollBoardStates();
    // GUI task, every frame: after a marked change, the cache is re-read and the rules run.
    void applyChanges();

    bool isTestOperationActive() const;
    bool isVentingRequested() const;
    bool isFillingRequested() const;
    bool hasFault() const;
    bool isCombustionControllerLocked() const;
    bool isWinkActive() const;
    uint8_t getServiceCount() const;
    bool isHydraulicBalancingActive() const;
    bool isLinkOk() const { return boardStates.isLinkOk(); }
    // True only on the first call, and then only when the clock is invalid: the clock is
    // judged once, at start.
    bool takeClockErrorOnce();
    // CHECK_PASSED or CHECK_FAILED once when a started check ends, else CHECK_NONE.
    uint8_t takeFlueGasCheckResult();

    // False, changing nothing, unless the device allows a check and none is running.
    bool startFlueGasCheck();
    bool isLanStateFlagSet(uint8_t mask) const;
    const quillon::WideChar* getContactName() const;
    const quillon::WideChar* getContactNumber() const;

    // Rounds tenths to whole degrees, halves away from zero: 455 gives 46, -5 gives -1.
    static int16_t toWholeDegrees(int16_t tenths);

    int16_t boilerTemperature;
    uint8_t temperatureStatus;
    uint8_t winkSubscriber;
    bool boilerSymbolOn;

private:
    void refreshCache();
    void notifyListener();

    model::DataModelManager& popupModel;
    model::DefaultPropertyFilter popupFilter;
    model::CommonGroup& common;
    model::GeneralGroup& general;
    model::FillingVentingGroup& fillingVenting;
    model::TestOperationGroup& testOperation;
    model::FlueGasSensorGroup& flueGasSensor;
    model::FaultGroup& fault;
    model::LanGroup& lan;
    BoardStates& boardStates;
    IPopupListener* listener;
    bool flueGasCheckRunning;
    bool clockChecked;
    uint8_t linkState;
    uint8_t clockError;
    bool filterRegistered;
    // Set by whichever task stored a watched value, taken on the GUI task.
    std::atomic<uint8_t> pendingChange;
};

#endif
