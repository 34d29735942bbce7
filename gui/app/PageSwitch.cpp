#include "gui/app/PageSwitch.hpp"

#include "gui/app/BuildScreen.hpp"
#include "gui/app/FrontendApplication.hpp"
#include "gui/app/FrontendHeap.hpp"
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

void createScreenForPage(uint32_t pageId, quillon::Screen*& screen, quillon::Presenter*& presenter,
                         FrontendHeap& heap, quillon::Transition*& transition, model::DataModelManager& model)
{
    if (pageId >= PAGE_COUNT) {
        return;
    }
    const uint16_t id = static_cast<uint16_t>(pageId);
    // One line per built screen: its page id, its view and its presenter.
    switch (id) {
    case 0: buildScreen<BoilerDetailsMainView, BoilerDetailsMainPresenter>(screen, presenter, heap, transition, model); break;
    case 8: buildScreen<BufferLoadOneTimeChargeView, BufferLoadOneTimeChargePresenter>(screen, presenter, heap, transition, model); break;
    case 9: buildScreen<BufferLoadView, BufferLoadPresenter>(screen, presenter, heap, transition, model); break;
    case 26: buildScreen<EnergyBalanceNoteView, EnergyBalanceNotePresenter>(screen, presenter, heap, transition, model); break;
    case 28: buildScreen<EnergyCockpitView, EnergyCockpitPresenter>(screen, presenter, heap, transition, model); break;
    case 1: buildScreen<ElectricEnergyConsumptionDetailsView, ElectricEnergyConsumptionDetailsPresenter>(screen, presenter, heap, transition, model); break;
    case 2: buildScreen<ElectricEnergyConsumptionOverviewView, ElectricEnergyConsumptionOverviewPresenter>(screen, presenter, heap, transition, model); break;
    case 3: buildScreen<GasConsumptionDetailsView, GasConsumptionDetailsPresenter>(screen, presenter, heap, transition, model); break;
    case 5: buildScreen<GasConsumptionOverviewView, GasConsumptionOverviewPresenter>(screen, presenter, heap, transition, model); break;
    case 10: buildScreen<AuthView, AuthPresenter>(screen, presenter, heap, transition, model); break;
    case 11: buildScreen<CPSelectionView, CPSelectionPresenter>(screen, presenter, heap, transition, model); break;
    case 12: buildScreen<HCSelectionView, HCSelectionPresenter>(screen, presenter, heap, transition, model); break;
    case 13: buildScreen<IntervalSelectionMenuView, IntervalSelectionMenuPresenter>(screen, presenter, heap, transition, model); break;
    case 14: buildScreen<MenuView, MenuPresenter>(screen, presenter, heap, transition, model); break;
    case 15: buildScreen<TileSelectorView, TileSelectorPresenter>(screen, presenter, heap, transition, model); break;
    case 16: buildScreen<DHWBaseSetpointTempView, DHWBaseSetpointTempPresenter>(screen, presenter, heap, transition, model); break;
    case 21: buildScreen<DHWSelectionView, DHWSelectionPresenter>(screen, presenter, heap, transition, model); break;
    case 27: buildScreen<EnergyBalanceView, EnergyBalancePresenter>(screen, presenter, heap, transition, model); break;
    case 29: buildScreen<FavouritesMainView, FavouritesMainPresenter>(screen, presenter, heap, transition, model); break;
    case 31: buildScreen<HeatingComfortTempView, HeatingComfortTempPresenter>(screen, presenter, heap, transition, model); break;
    case 34: buildScreen<HeatingMenuView, HeatingMenuPresenter>(screen, presenter, heap, transition, model); break;
    case 36: buildScreen<HeatingReducedRoomTempView, HeatingReducedRoomTempPresenter>(screen, presenter, heap, transition, model); break;
    case 37: buildScreen<HeatingRoomTempView, HeatingRoomTempPresenter>(screen, presenter, heap, transition, model); break;
    case 42: buildScreen<CylinderHistoryView, CylinderHistoryPresenter>(screen, presenter, heap, transition, model); break;
    case 43: buildScreen<CylinderMinMaxView, CylinderMinMaxPresenter>(screen, presenter, heap, transition, model); break;
    case 44: buildScreen<CylinderStratificationView, CylinderStratificationPresenter>(screen, presenter, heap, transition, model); break;
    case 45: buildScreen<DHWView, DHWPresenter>(screen, presenter, heap, transition, model); break;
    case 46: buildScreen<GeneralView, GeneralPresenter>(screen, presenter, heap, transition, model); break;
    case 51: buildScreen<MainView, MainPresenter>(screen, presenter, heap, transition, model); break;
    case 52: buildScreen<StartupView, StartupPresenter>(screen, presenter, heap, transition, model); break;
    case 79: buildScreen<SolarDetailsView, SolarDetailsPresenter>(screen, presenter, heap, transition, model); break;
    case 80: buildScreen<SolarOverviewView, SolarOverviewPresenter>(screen, presenter, heap, transition, model); break;
    case 17:
        buildScreen<DHWCirculationTimeProgramCopyView, DHWCirculationTimeProgramCopyPresenter>(screen, presenter, heap, transition, model);
        break;
    case 18:
        buildScreen<DHWCirculationTimeProgramEditView, DHWCirculationTimeProgramEditPresenter>(screen, presenter, heap, transition, model);
        break;
    case 19:
        buildScreen<DHWCirculationTimeProgramOverviewView, DHWCirculationTimeProgramOverviewPresenter>(screen, presenter, heap, transition, model);
        break;
    case 20:
        buildScreen<DHWCirculationTimeProgramTypeSelectionView, DHWCirculationTimeProgramTypeSelectionPresenter>(screen, presenter, heap, transition, model);
        break;
    case 22:
        buildScreen<DHWTimeProgramCopyView, DHWTimeProgramCopyPresenter>(screen, presenter, heap, transition, model);
        break;
    case 23:
        buildScreen<DHWTimeProgramEditView, DHWTimeProgramEditPresenter>(screen, presenter, heap, transition, model);
        break;
    case 24:
        buildScreen<DHWTimeProgramOverviewView, DHWTimeProgramOverviewPresenter>(screen, presenter, heap, transition, model);
        break;
    case 25:
        buildScreen<DHWTimeProgramTypeSelectionView, DHWTimeProgramTypeSelectionPresenter>(screen, presenter, heap, transition, model);
        break;
    case 38:
        buildScreen<HeatingTimeProgramCopyView, HeatingTimeProgramCopyPresenter>(screen, presenter, heap, transition, model);
        break;
    case 39:
        buildScreen<HeatingTimeProgramEditView, HeatingTimeProgramEditPresenter>(screen, presenter, heap, transition, model);
        break;
    case 40:
        buildScreen<HeatingTimeProgramOverviewView, HeatingTimeProgramOverviewPresenter>(screen, presenter, heap, transition, model);
        break;
    case 30: buildScreen<FavouritesManageView, FavouritesManagePresenter>(screen, presenter, heap, transition, model); break;
    case 32: buildScreen<HeatingCurveView, HeatingCurvePresenter>(screen, presenter, heap, transition, model); break;
    case 33: buildScreen<HeatingHolidayProgramView, HeatingHolidayProgramPresenter>(screen, presenter, heap, transition, model); break;
    case 35: buildScreen<HeatingOperatingProgramView, HeatingOperatingProgramPresenter>(screen, presenter, heap, transition, model); break;
    case 41: buildScreen<ContactDataShowView, ContactDataShowPresenter>(screen, presenter, heap, transition, model); break;
    case 47: buildScreen<HCxView, HCxPresenter>(screen, presenter, heap, transition, model); break;
    case 48: buildScreen<LANInfoView, LANInfoPresenter>(screen, presenter, heap, transition, model); break;
    case 49: buildScreen<ResetDataView, ResetDataPresenter>(screen, presenter, heap, transition, model); break;
    case 50: buildScreen<SolarView, SolarPresenter>(screen, presenter, heap, transition, model); break;
    case 63: buildScreen<SettingHeatingFactoryDefaultsSelectionView, SettingHeatingFactoryDefaultsSelectionPresenter>(screen, presenter, heap, transition, model); break;
    case 64: buildScreen<SettingsBrightnessNormalView, SettingsBrightnessNormalPresenter>(screen, presenter, heap, transition, model); break;
    case 65: buildScreen<SettingsBrightnessStandbyView, SettingsBrightnessStandbyPresenter>(screen, presenter, heap, transition, model); break;
    case 66: buildScreen<SettingsBuzzerView, SettingsBuzzerPresenter>(screen, presenter, heap, transition, model); break;
    case 67: buildScreen<SettingsContactDataView, SettingsContactDataPresenter>(screen, presenter, heap, transition, model); break;
    case 68: buildScreen<SettingsDateView, SettingsDatePresenter>(screen, presenter, heap, transition, model); break;
    case 69: buildScreen<SettingsHeatingCircuitNameView, SettingsHeatingCircuitNamePresenter>(screen, presenter, heap, transition, model); break;
    case 70: buildScreen<SettingsHeatingFactoryDefaultsView, SettingsHeatingFactoryDefaultsPresenter>(screen, presenter, heap, transition, model); break;
    case 72: buildScreen<SettingsLanguageView, SettingsLanguagePresenter>(screen, presenter, heap, transition, model); break;
    case 78: buildScreen<SettingsTimeView, SettingsTimePresenter>(screen, presenter, heap, transition, model); break;
    case 61: buildScreen<ServiceExitView, ServiceExitPresenter>(screen, presenter, heap, transition, model); break;
    case 57: buildScreen<FillingView, FillingPresenter>(screen, presenter, heap, transition, model); break;
    case 60: buildScreen<VentingView, VentingPresenter>(screen, presenter, heap, transition, model); break;
    case 87: buildScreen<WizzardDetectedDevicesView, WizzardDetectedDevicesPresenter>(screen, presenter, heap, transition, model); break;
    case 81: buildScreen<TestOperationView, TestOperationPresenter>(screen, presenter, heap, transition, model); break;
    case 82: buildScreen<WizardReportMenuView, WizardReportMenuPresenter>(screen, presenter, heap, transition, model); break;
    case 83: buildScreen<WizardReportResultView, WizardReportResultPresenter>(screen, presenter, heap, transition, model); break;
    case 84: buildScreen<WizardReportSettingsView, WizardReportSettingsPresenter>(screen, presenter, heap, transition, model); break;
    case 94: buildScreen<WizzardTuningGasDHWView, WizzardTuningGasDHWPresenter>(screen, presenter, heap, transition, model); break;
    case 95: buildScreen<WizzardTuningHCView, WizzardTuningHCPresenter>(screen, presenter, heap, transition, model); break;
    case 96: buildScreen<WizzardTuningSolarModuleView, WizzardTuningSolarModulePresenter>(screen, presenter, heap, transition, model); break;
    case 89: buildScreen<WizzardInitView, WizzardInitPresenter>(screen, presenter, heap, transition, model); break;
    case 92: buildScreen<WizzardSystemSchemeMainView, WizzardSystemSchemeMainPresenter>(screen, presenter, heap, transition, model); break;
    case 91: buildScreen<WizzardSystemSchemeEditView, WizzardSystemSchemeEditPresenter>(screen, presenter, heap, transition, model); break;
    case 90: buildScreen<WizzardSystemSchemeAddView, WizzardSystemSchemeAddPresenter>(screen, presenter, heap, transition, model); break;
    case 93: buildScreen<WizzardSystemSchemeRemoveView, WizzardSystemSchemeRemovePresenter>(screen, presenter, heap, transition, model); break;
    case 86: buildScreen<WizzardCylinderTypeView, WizzardCylinderTypePresenter>(screen, presenter, heap, transition, model); break;
    case 88: buildScreen<WizzardHCTypeSelectView, WizzardHCTypeSelectPresenter>(screen, presenter, heap, transition, model); break;
    case 7: buildScreen<InputGasQualityView, InputGasQualityPresenter>(screen, presenter, heap, transition, model); break;
    case 56: buildScreen<SettingsLockPanelPasswordView, SettingsLockPanelPasswordPresenter>(screen, presenter, heap, transition, model); break;
    case 55: buildScreen<ServiceLevelPasswordView, ServiceLevelPasswordPresenter>(screen, presenter, heap, transition, model); break;
    case 53: buildScreen<Level2PasswordView, Level2PasswordPresenter>(screen, presenter, heap, transition, model); break;
    case 54: buildScreen<ResetPasswordsView, ResetPasswordsPresenter>(screen, presenter, heap, transition, model); break;
    case 6: buildScreen<InputGasMeterReadingView, InputGasMeterReadingPresenter>(screen, presenter, heap, transition, model); break;
    case 4: buildScreen<GasConsumptionDetectionImprovView, GasConsumptionDetectionImprovPresenter>(screen, presenter, heap, transition, model); break;
    case 75: buildScreen<SettingsLanTypeView, SettingsLanTypePresenter>(screen, presenter, heap, transition, model); break;
    case 74: buildScreen<SettingsLanStaticConfigView, SettingsLanStaticConfigPresenter>(screen, presenter, heap, transition, model); break;
    case 73: buildScreen<SettingsLanParameterEditView, SettingsLanParameterEditPresenter>(screen, presenter, heap, transition, model); break;
    case 71: buildScreen<SettingsLanConnectionTestView, SettingsLanConnectionTestPresenter>(screen, presenter, heap, transition, model); break;
    case 77: buildScreen<SettingsLockPanelView, SettingsLockPanelPresenter>(screen, presenter, heap, transition, model); break;
    case 76: buildScreen<SettingsLockPanelEnableView, SettingsLockPanelEnablePresenter>(screen, presenter, heap, transition, model); break;
    case 62: buildScreen<LanCardRescueUpdateView, LanCardRescueUpdatePresenter>(screen, presenter, heap, transition, model); break;
    case 58: buildScreen<SolarPumpCalibrationView, SolarPumpCalibrationPresenter>(screen, presenter, heap, transition, model); break;
    case 59: buildScreen<SolarPumpStatusView, SolarPumpStatusPresenter>(screen, presenter, heap, transition, model); break;
    case 85: buildScreen<WizzardAbsorberSurfaceView, WizzardAbsorberSurfacePresenter>(screen, presenter, heap, transition, model); break;
    default:
        return; // every id below PAGE_COUNT has its case
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
