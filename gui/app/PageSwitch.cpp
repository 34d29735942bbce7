#include "gui/app/PageSwitch.hpp"

#include "gui/app/BuildScreen.hpp"
#include "gui/app/FrontendApplication.hpp"
#include "gui/app/FrontendHeap.hpp"
#include "gui/pages/ScreenTable.hpp"
#include "gui/screens/auth/AuthView.hpp"
#include "gui/screens/contact/ContactDataShowPresenter.hpp"
#include "gui/screens/contact/ContactDataShowView.hpp"
#include "gui/screens/energy/BoilerDetailsMainPresenter.hpp"
#include "gui/screens/energy/BoilerDetailsMainView.hpp"
#include "gui/screens/energy/BufferLoadOneTimeChargePresenter.hpp"
#include "gui/screens/energy/BufferLoadOneTimeChargeView.hpp"
#include "gui/screens/energy/BufferLoadPresenter.hpp"
#include "gui/screens/energy/BufferLoadView.hpp"
#include "gui/screens/energy/EnergyBalanceNotePresenter.hpp"
#include "gui/screens/energy/EnergyBalanceNoteView.hpp"
#include "gui/screens/energy/EnergyCockpitPresenter.hpp"
#include "gui/screens/energy/EnergyCockpitView.hpp"
#include "gui/screens/energy/EnergyBalancePresenter.hpp"
#include "gui/screens/energy/EnergyBalanceView.hpp"
#include "gui/screens/cylinder/CylinderHistoryPresenter.hpp"
#include "gui/screens/cylinder/CylinderHistoryView.hpp"
#include "gui/screens/cylinder/CylinderMinMaxPresenter.hpp"
#include "gui/screens/cylinder/CylinderMinMaxView.hpp"
#include "gui/screens/cylinder/CylinderStratificationPresenter.hpp"
#include "gui/screens/cylinder/CylinderStratificationView.hpp"
#include "gui/screens/energy/InputGasMeterReadingPresenter.hpp"
#include "gui/screens/energy/InputGasMeterReadingView.hpp"
#include "gui/screens/energy/GasConsumptionDetectionImprovPresenter.hpp"
#include "gui/screens/energy/GasConsumptionDetectionImprovView.hpp"
#include "gui/screens/energy/InputGasQualityPresenter.hpp"
#include "gui/screens/energy/InputGasQualityView.hpp"
#include "gui/screens/energy/SolarPumpCalibrationPresenter.hpp"
#include "gui/screens/energy/SolarPumpCalibrationView.hpp"
#include "gui/screens/energy/SolarPumpStatusPresenter.hpp"
#include "gui/screens/energy/SolarPumpStatusView.hpp"
#include "gui/screens/favourites/FavouritesMainView.hpp"
#include "gui/screens/favourites/FavouritesManagePresenter.hpp"
#include "gui/screens/favourites/FavouritesManageView.hpp"
#include "gui/screens/heating/HeatingCurvePresenter.hpp"
#include "gui/screens/heating/HeatingCurveView.hpp"
#include "gui/screens/heating/HeatingHolidayProgramPresenter.hpp"
#include "gui/screens/heating/HeatingHolidayProgramView.hpp"
#include "gui/screens/heating/HeatingOperatingProgramPresenter.hpp"
#include "gui/screens/heating/HeatingOperatingProgramView.hpp"
#include "gui/screens/infocircuit/HCxPresenter.hpp"
#include "gui/screens/infocircuit/HCxView.hpp"
#include "gui/screens/infocircuit/LANInfoPresenter.hpp"
#include "gui/screens/infocircuit/LANInfoView.hpp"
#include "gui/screens/infocircuit/ResetDataPresenter.hpp"
#include "gui/screens/infocircuit/ResetDataView.hpp"
#include "gui/screens/infocircuit/SolarPresenter.hpp"
#include "gui/screens/infocircuit/SolarView.hpp"
#include "gui/screens/histogram/ElectricEnergyConsumptionDetailsPresenter.hpp"
#include "gui/screens/histogram/ElectricEnergyConsumptionDetailsView.hpp"
#include "gui/screens/histogram/ElectricEnergyConsumptionOverviewPresenter.hpp"
#include "gui/screens/histogram/ElectricEnergyConsumptionOverviewView.hpp"
#include "gui/screens/histogram/GasConsumptionDetailsPresenter.hpp"
#include "gui/screens/histogram/GasConsumptionDetailsView.hpp"
#include "gui/screens/histogram/GasConsumptionOverviewPresenter.hpp"
#include "gui/screens/histogram/GasConsumptionOverviewView.hpp"
#include "gui/screens/histogram/SolarDetailsPresenter.hpp"
#include "gui/screens/histogram/SolarDetailsView.hpp"
#include "gui/screens/histogram/SolarOverviewPresenter.hpp"
#include "gui/screens/histogram/SolarOverviewView.hpp"
#include "gui/screens/info/DHWPresenter.hpp"
#include "gui/screens/info/DHWView.hpp"
#include "gui/screens/info/GeneralPresenter.hpp"
#include "gui/screens/info/GeneralView.hpp"
#include "gui/screens/main/MainView.hpp"
#include "gui/screens/menu/CPSelectionPresenter.hpp"
#include "gui/screens/menu/CPSelectionView.hpp"
#include "gui/screens/menu/DHWSelectionPresenter.hpp"
#include "gui/screens/menu/DHWSelectionView.hpp"
#include "gui/screens/menu/HCSelectionPresenter.hpp"
#include "gui/screens/menu/HCSelectionView.hpp"
#include "gui/screens/menu/HeatingMenuPresenter.hpp"
#include "gui/screens/menu/HeatingMenuView.hpp"
#include "gui/screens/menu/IntervalSelectionMenuPresenter.hpp"
#include "gui/screens/menu/IntervalSelectionMenuView.hpp"
#include "gui/screens/menu/MenuPresenter.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/menu/TileSelectorPresenter.hpp"
#include "gui/screens/menu/TileSelectorView.hpp"
#include "gui/screens/service/ServiceExitPresenter.hpp"
#include "gui/screens/service/ServiceExitView.hpp"
#include "gui/screens/service/TestOperationPresenter.hpp"
#include "gui/screens/service/TestOperationView.hpp"
#include "gui/screens/service/FillingView.hpp"
#include "gui/screens/service/VentingView.hpp"
#include "gui/screens/wizard/WizzardDetectedDevicesView.hpp"
#include "gui/screens/wizard/WizardReportMenuPresenter.hpp"
#include "gui/screens/wizard/WizardReportMenuView.hpp"
#include "gui/screens/wizard/WizardReportResultPresenter.hpp"
#include "gui/screens/wizard/WizardReportResultView.hpp"
#include "gui/screens/wizard/WizardReportSettingsPresenter.hpp"
#include "gui/screens/wizard/WizardReportSettingsView.hpp"
#include "gui/screens/wizard/WizzardTuningGasDHWPresenter.hpp"
#include "gui/screens/wizard/WizzardTuningGasDHWView.hpp"
#include "gui/screens/wizard/WizzardTuningHCPresenter.hpp"
#include "gui/screens/wizard/WizzardTuningHCView.hpp"
#include "gui/screens/wizard/WizzardTuningSolarModulePresenter.hpp"
#include "gui/screens/wizard/WizzardTuningSolarModuleView.hpp"
#include "gui/screens/wizard/WizzardInitPresenter.hpp"
#include "gui/screens/wizard/WizzardInitView.hpp"
#include "gui/screens/wizard/WizzardAbsorberSurfacePresenter.hpp"
#include "gui/screens/wizard/WizzardAbsorberSurfaceView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainPresenter.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeEditPresenter.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeEditView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeAddPresenter.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeAddView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeRemovePresenter.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeRemoveView.hpp"
#include "gui/screens/wizard/WizzardCylinderTypePresenter.hpp"
#include "gui/screens/wizard/WizzardCylinderTypeView.hpp"
#include "gui/screens/wizard/WizzardHCTypeSelectPresenter.hpp"
#include "gui/screens/wizard/WizzardHCTypeSelectView.hpp"
#include "gui/screens/settings/SettingsLanTypePresenter.hpp"
#include "gui/screens/settings/SettingsLanTypeView.hpp"
#include "gui/screens/settings/SettingsLanStaticConfigPresenter.hpp"
#include "gui/screens/settings/SettingsLanStaticConfigView.hpp"
#include "gui/screens/settings/SettingsLanParameterEditPresenter.hpp"
#include "gui/screens/settings/SettingsLanParameterEditView.hpp"
#include "gui/screens/settings/SettingsLanConnectionTestPresenter.hpp"
#include "gui/screens/settings/SettingsLanConnectionTestView.hpp"
#include "gui/screens/settings/SettingsLockPanelPresenter.hpp"
#include "gui/screens/settings/SettingsLockPanelView.hpp"
#include "gui/screens/settings/SettingsLockPanelEnablePresenter.hpp"
#include "gui/screens/settings/SettingsLockPanelEnableView.hpp"
#include "gui/screens/service/LanCardRescueUpdatePresenter.hpp"
#include "gui/screens/service/LanCardRescueUpdateView.hpp"
#include "gui/screens/setpoint/DHWBaseSetpointTempPresenter.hpp"
#include "gui/screens/setpoint/DHWBaseSetpointTempView.hpp"
#include "gui/screens/setpoint/HeatingComfortTempPresenter.hpp"
#include "gui/screens/setpoint/HeatingComfortTempView.hpp"
#include "gui/screens/setpoint/HeatingReducedRoomTempPresenter.hpp"
#include "gui/screens/setpoint/HeatingReducedRoomTempView.hpp"
#include "gui/screens/setpoint/HeatingRoomTempPresenter.hpp"
#include "gui/screens/setpoint/HeatingRoomTempView.hpp"
#include "gui/screens/settings/SettingHeatingFactoryDefaultsSelectionPresenter.hpp"
#include "gui/screens/settings/SettingHeatingFactoryDefaultsSelectionView.hpp"
#include "gui/screens/settings/SettingsBrightnessNormalPresenter.hpp"
#include "gui/screens/settings/SettingsBrightnessNormalView.hpp"
#include "gui/screens/settings/SettingsBrightnessStandbyPresenter.hpp"
#include "gui/screens/settings/SettingsBrightnessStandbyView.hpp"
#include "gui/screens/settings/SettingsBuzzerPresenter.hpp"
#include "gui/screens/settings/SettingsBuzzerView.hpp"
#include "gui/screens/settings/SettingsContactDataPresenter.hpp"
#include "gui/screens/settings/SettingsContactDataView.hpp"
#include "gui/screens/settings/SettingsDatePresenter.hpp"
#include "gui/screens/settings/SettingsDateView.hpp"
#include "gui/screens/settings/SettingsHeatingCircuitNamePresenter.hpp"
#include "gui/screens/settings/SettingsHeatingCircuitNameView.hpp"
#include "gui/screens/settings/SettingsHeatingFactoryDefaultsPresenter.hpp"
#include "gui/screens/settings/SettingsHeatingFactoryDefaultsView.hpp"
#include "gui/screens/settings/SettingsLanguagePresenter.hpp"
#include "gui/screens/settings/SettingsLanguageView.hpp"
#include "gui/screens/settings/SettingsTimePresenter.hpp"
#include "gui/screens/settings/SettingsTimeView.hpp"
#include "gui/screens/settings/SettingsLockPanelPasswordPresenter.hpp"
#include "gui/screens/settings/SettingsLockPanelPasswordView.hpp"
#include "gui/screens/settings/ServiceLevelPasswordPresenter.hpp"
#include "gui/screens/settings/ServiceLevelPasswordView.hpp"
#include "gui/screens/settings/Level2PasswordPresenter.hpp"
#include "gui/screens/settings/Level2PasswordView.hpp"
#include "gui/screens/settings/ResetPasswordsPresenter.hpp"
#include "gui/screens/settings/ResetPasswordsView.hpp"
#include "gui/screens/startup/StartupView.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramCopyPresenter.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramCopyView.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramEditPresenter.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramEditView.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramOverviewPresenter.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramOverviewView.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramTypeSelectionPresenter.hpp"
#include "gui/screens/timeprogram/DHWCirculationTimeProgramTypeSelectionView.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramCopyPresenter.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramCopyView.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramEditPresenter.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramEditView.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramOverviewPresenter.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramOverviewView.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramTypeSelectionPresenter.hpp"
#include "gui/screens/timeprogram/DHWTimeProgramTypeSelectionView.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramCopyPresenter.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramCopyView.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramEditPresenter.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramEditView.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramOverviewPresenter.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramOverviewView.hpp"
#include "model/DataModelManager.hpp"

#include <initializer_list>
#include <stddef.h>

namespace
{
constexpr size_t largest(std::initializer_list<size_t> values)
{
    size_t result = 0;
    for (size_t value : values) {
        result = value > result ? value : result;
    }
    return result;
}

// Each line's id is its place in the table: the ids are dense and in order.
constexpr bool idsInOrder(std::initializer_list<uint16_t> ids)
{
    uint16_t expected = 0;
    for (uint16_t id : ids) {
        if (id != expected++) {
            return false;
        }
    }
    return true;
}

#define GUI_VIEW_SIZE(ID, NAME, VIEW, PRESENTER) sizeof(VIEW),
#define GUI_VIEW_ALIGNMENT(ID, NAME, VIEW, PRESENTER) alignof(VIEW),
#define GUI_PRESENTER_SIZE(ID, NAME, VIEW, PRESENTER) sizeof(PRESENTER),
#define GUI_PRESENTER_ALIGNMENT(ID, NAME, VIEW, PRESENTER) alignof(PRESENTER),
#define GUI_ID(ID, NAME, VIEW, PRESENTER) ID,
constexpr size_t LARGEST_VIEW = largest({GUI_SCREEN_TABLE(GUI_VIEW_SIZE)});
constexpr size_t LARGEST_PRESENTER = largest({GUI_SCREEN_TABLE(GUI_PRESENTER_SIZE)});
constexpr size_t STRICTEST_ALIGNMENT =
    largest({GUI_SCREEN_TABLE(GUI_VIEW_ALIGNMENT) GUI_SCREEN_TABLE(GUI_PRESENTER_ALIGNMENT)});
static_assert(idsInOrder({GUI_SCREEN_TABLE(GUI_ID)}), "the screen table lists the page ids 0, 1, 2, ... in order");
#undef GUI_VIEW_SIZE
#undef GUI_VIEW_ALIGNMENT
#undef GUI_PRESENTER_SIZE
#undef GUI_PRESENTER_ALIGNMENT
#undef GUI_ID

// The heap's slots hold the largest screen of the table, and only a little more. On an error
// the numbers are the compiler's note: Largest is what the slot must hold.
template <size_t Largest, size_t Slot>
struct SlotCheck
{
    static_assert(Largest <= Slot, "grow the slot in FrontendHeap.hpp to the largest of the screen table");
    static_assert(Slot < Largest + FrontendHeap::SLOT_SLACK,
                  "shrink the slot in FrontendHeap.hpp to the largest of the screen table");
    static constexpr bool ok = true;
};
static_assert(SlotCheck<LARGEST_VIEW, FrontendHeap::VIEW_BYTES>::ok, "view slot");
static_assert(SlotCheck<LARGEST_PRESENTER, FrontendHeap::PRESENTER_BYTES>::ok, "presenter slot");
static_assert(STRICTEST_ALIGNMENT <= FrontendHeap::SLOT_ALIGNMENT, "raise the heap's slot alignment");
} // namespace

void createScreenForPage(uint32_t pageId, quillon::Screen*& screen, quillon::Presenter*& presenter,
                         FrontendHeap& heap, quillon::Transition*& transition, model::DataModelManager& model)
{
    switch (pageId) {
#define GUI_BUILD_SCREEN(ID, NAME, VIEW, PRESENTER)                               \
    case PAGE_##NAME:                                                             \
        buildScreen<VIEW, PRESENTER>(screen, presenter, heap, transition, model); \
        break;
        GUI_SCREEN_TABLE(GUI_BUILD_SCREEN)
#undef GUI_BUILD_SCREEN
    default:
        return; // no screen: the current one stays
    }
    startNewScreen(*screen, *presenter, *transition);
}

void tearDownCurrentScreen(quillon::Screen*& screen, quillon::Presenter*& presenter, FrontendHeap& heap,
                           quillon::Transition*& transition)
{
    FrontendApplication& application = heap.getApplication();
    application.clearTimers();
    application.clearAllTimerWidgets();
    if (transition != nullptr) {
        transition->tearDown();
        transition->~Transition();
    }
    if (screen != nullptr) {
        screen->tearDown();
    }
    if (presenter != nullptr) {
        presenter->deactivate();
    }
    if (screen != nullptr) {
        screen->~Screen();
    }
    if (presenter != nullptr) {
        presenter->~Presenter();
    }
    transition = nullptr;
    screen = nullptr;
    presenter = nullptr;
}

void startNewScreen(quillon::Screen& screen, quillon::Presenter& presenter, quillon::Transition& transition)
{
    presenter.activate();
    screen.setUp();
    screen.bindTransition(transition);
    transition.init();
    quillon::Application::getInstance()->invalidate();
}
