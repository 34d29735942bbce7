#ifndef GUI_PAGES_SCREENTABLE_HPP
#define GUI_PAGES_SCREENTABLE_HPP

#include <stdint.h>

// Every page id with the view and presenter of its screen, one line each, in id order. A
// new screen is one more line here (and its headers in PageSwitch.cpp). Only the page switch
// expands the view and presenter columns; everyone else sees the names of the ids.
#define GUI_SCREEN_TABLE(SCREEN) \
    SCREEN( 0, BOILER_DETAILS_MAIN, BoilerDetailsMainView, BoilerDetailsMainPresenter) \
    SCREEN( 1, ELECTRIC_ENERGY_CONSUMPTION_DETAILS, ElectricEnergyConsumptionDetailsView, ElectricEnergyConsumptionDetailsPresenter) \
    SCREEN( 2, ELECTRIC_ENERGY_CONSUMPTION_OVERVIEW, ElectricEnergyConsumptionOverviewView, ElectricEnergyConsumptionOverviewPresenter) \
    SCREEN( 3, GAS_CONSUMPTION_DETAILS, GasConsumptionDetailsView, GasConsumptionDetailsPresenter) \
    SCREEN( 4, GAS_CONSUMPTION_DETECTION_IMPROV, GasConsumptionDetectionImprovView, GasConsumptionDetectionImprovPresenter) \
    SCREEN( 5, GAS_CONSUMPTION_OVERVIEW, GasConsumptionOverviewView, GasConsumptionOverviewPresenter) \
    SCREEN( 6, INPUT_GAS_METER_READING, InputGasMeterReadingView, InputGasMeterReadingPresenter) \
    SCREEN( 7, INPUT_GAS_QUALITY, InputGasQualityView, InputGasQualityPresenter) \
    SCREEN( 8, BUFFER_LOAD_ONE_TIME_CHARGE, BufferLoadOneTimeChargeView, BufferLoadOneTimeChargePresenter) \
    SCREEN( 9, BUFFER_LOAD, BufferLoadView, BufferLoadPresenter) \
    SCREEN(10, AUTH, AuthView, AuthPresenter) \
    SCREEN(11, CP_SELECTION, CPSelectionView, CPSelectionPresenter) \
    SCREEN(12, HC_SELECTION, HCSelectionView, HCSelectionPresenter) \
    SCREEN(13, INTERVAL_SELECTION_MENU, IntervalSelectionMenuView, IntervalSelectionMenuPresenter) \
    SCREEN(14, MENU, MenuView, MenuPresenter) \
    SCREEN(15, TILE_SELECTOR, TileSelectorView, TileSelectorPresenter) \
    SCREEN(16, DHW_BASE_SETPOINT_TEMP, DHWBaseSetpointTempView, DHWBaseSetpointTempPresenter) \
    SCREEN(17, DHW_CIRCULATION_TIME_PROGRAM_COPY, DHWCirculationTimeProgramCopyView, DHWCirculationTimeProgramCopyPresenter) \
    SCREEN(18, DHW_CIRCULATION_TIME_PROGRAM_EDIT, DHWCirculationTimeProgramEditView, DHWCirculationTimeProgramEditPresenter) \
    SCREEN(19, DHW_CIRCULATION_TIME_PROGRAM_OVERVIEW, DHWCirculationTimeProgramOverviewView, DHWCirculationTimeProgramOverviewPresenter) \
    SCREEN(20, DHW_CIRCULATION_TIME_PROGRAM_TYPE_SELECTION, DHWCirculationTimeProgramTypeSelectionView, DHWCirculationTimeProgramTypeSelectionPresenter) \
    SCREEN(21, DHW_SELECTION, DHWSelectionView, DHWSelectionPresenter) \
    SCREEN(22, DHW_TIME_PROGRAM_COPY, DHWTimeProgramCopyView, DHWTimeProgramCopyPresenter) \
    SCREEN(23, DHW_TIME_PROGRAM_EDIT, DHWTimeProgramEditView, DHWTimeProgramEditPresenter) \
    SCREEN(24, DHW_TIME_PROGRAM_OVERVIEW, DHWTimeProgramOverviewView, DHWTimeProgramOverviewPresenter) \
    SCREEN(25, DHW_TIME_PROGRAM_TYPE_SELECTION, DHWTimeProgramTypeSelectionView, DHWTimeProgramTypeSelectionPresenter) \
    SCREEN(26, ENERGY_BALANCE_NOTE, EnergyBalanceNoteView, EnergyBalanceNotePresenter) \
    SCREEN(27, ENERGY_BALANCE, EnergyBalanceView, EnergyBalancePresenter) \
    SCREEN(28, ENERGY_COCKPIT, EnergyCockpitView, EnergyCockpitPresenter) \
    SCREEN(29, FAVOURITES_MAIN, FavouritesMainView, FavouritesMainPresenter) \
    SCREEN(30, FAVOURITES_MANAGE, FavouritesManageView, FavouritesManagePresenter) \
    SCREEN(31, HEATING_COMFORT_TEMP, HeatingComfortTempView, HeatingComfortTempPresenter) \
    SCREEN(32, HEATING_CURVE, HeatingCurveView, HeatingCurvePresenter) \
    SCREEN(33, HEATING_HOLIDAY_PROGRAM, HeatingHolidayProgramView, HeatingHolidayProgramPresenter) \
    SCREEN(34, HEATING_MENU, HeatingMenuView, HeatingMenuPresenter) \
    SCREEN(35, HEATING_OPERATING_PROGRAM, HeatingOperatingProgramView, HeatingOperatingProgramPresenter) \
    SCREEN(36, HEATING_REDUCED_ROOM_TEMP, HeatingReducedRoomTempView, HeatingReducedRoomTempPresenter) \
    SCREEN(37, HEATING_ROOM_TEMP, HeatingRoomTempView, HeatingRoomTempPresenter) \
    SCREEN(38, HEATING_TIME_PROGRAM_COPY, HeatingTimeProgramCopyView, HeatingTimeProgramCopyPresenter) \
    SCREEN(39, HEATING_TIME_PROGRAM_EDIT, HeatingTimeProgramEditView, HeatingTimeProgramEditPresenter) \
    SCREEN(40, HEATING_TIME_PROGRAM_OVERVIEW, HeatingTimeProgramOverviewView, HeatingTimeProgramOverviewPresenter) \
    SCREEN(41, CONTACT_DATA_SHOW, ContactDataShowView, ContactDataShowPresenter) \
    SCREEN(42, CYLINDER_HISTORY, CylinderHistoryView, CylinderHistoryPresenter) \
    SCREEN(43, CYLINDER_MIN_MAX, CylinderMinMaxView, CylinderMinMaxPresenter) \
    SCREEN(44, CYLINDER_STRATIFICATION, CylinderStratificationView, CylinderStratificationPresenter) \
    SCREEN(45, DHW, DHWView, DHWPresenter) \
    SCREEN(46, GENERAL, GeneralView, GeneralPresenter) \
    SCREEN(47, HCX, HCxView, HCxPresenter) \
    SCREEN(48, LAN_INFO, LANInfoView, LANInfoPresenter) \
    SCREEN(49, RESET_DATA, ResetDataView, ResetDataPresenter) \
    SCREEN(50, SOLAR, SolarView, SolarPresenter) \
    SCREEN(51, MAIN, MainView, MainPresenter) \
    SCREEN(52, STARTUP, StartupView, StartupPresenter) \
    SCREEN(53, LEVEL2_PASSWORD, Level2PasswordView, Level2PasswordPresenter) \
    SCREEN(54, RESET_PASSWORDS, ResetPasswordsView, ResetPasswordsPresenter) \
    SCREEN(55, SERVICE_LEVEL_PASSWORD, ServiceLevelPasswordView, ServiceLevelPasswordPresenter) \
    SCREEN(56, SETTINGS_LOCK_PANEL_PASSWORD, SettingsLockPanelPasswordView, SettingsLockPanelPasswordPresenter) \
    SCREEN(57, FILLING, FillingView, FillingPresenter) \
    SCREEN(58, SOLAR_PUMP_CALIBRATION, SolarPumpCalibrationView, SolarPumpCalibrationPresenter) \
    SCREEN(59, SOLAR_PUMP_STATUS, SolarPumpStatusView, SolarPumpStatusPresenter) \
    SCREEN(60, VENTING, VentingView, VentingPresenter) \
    SCREEN(61, SERVICE_EXIT, ServiceExitView, ServiceExitPresenter) \
    SCREEN(62, LAN_CARD_RESCUE_UPDATE, LanCardRescueUpdateView, LanCardRescueUpdatePresenter) \
    SCREEN(63, SETTING_HEATING_FACTORY_DEFAULTS_SELECTION, SettingHeatingFactoryDefaultsSelectionView, SettingHeatingFactoryDefaultsSelectionPresenter) \
    SCREEN(64, SETTINGS_BRIGHTNESS_NORMAL, SettingsBrightnessNormalView, SettingsBrightnessNormalPresenter) \
    SCREEN(65, SETTINGS_BRIGHTNESS_STANDBY, SettingsBrightnessStandbyView, SettingsBrightnessStandbyPresenter) \
    SCREEN(66, SETTINGS_BUZZER, SettingsBuzzerView, SettingsBuzzerPresenter) \
    SCREEN(67, SETTINGS_CONTACT_DATA, SettingsContactDataView, SettingsContactDataPresenter) \
    SCREEN(68, SETTINGS_DATE, SettingsDateView, SettingsDatePresenter) \
    SCREEN(69, SETTINGS_HEATING_CIRCUIT_NAME, SettingsHeatingCircuitNameView, SettingsHeatingCircuitNamePresenter) \
    SCREEN(70, SETTINGS_HEATING_FACTORY_DEFAULTS, SettingsHeatingFactoryDefaultsView, SettingsHeatingFactoryDefaultsPresenter) \
    SCREEN(71, SETTINGS_LAN_CONNECTION_TEST, SettingsLanConnectionTestView, SettingsLanConnectionTestPresenter) \
    SCREEN(72, SETTINGS_LANGUAGE, SettingsLanguageView, SettingsLanguagePresenter) \
    SCREEN(73, SETTINGS_LAN_PARAMETER_EDIT, SettingsLanParameterEditView, SettingsLanParameterEditPresenter) \
    SCREEN(74, SETTINGS_LAN_STATIC_CONFIG, SettingsLanStaticConfigView, SettingsLanStaticConfigPresenter) \
    SCREEN(75, SETTINGS_LAN_TYPE, SettingsLanTypeView, SettingsLanTypePresenter) \
    SCREEN(76, SETTINGS_LOCK_PANEL_ENABLE, SettingsLockPanelEnableView, SettingsLockPanelEnablePresenter) \
    SCREEN(77, SETTINGS_LOCK_PANEL, SettingsLockPanelView, SettingsLockPanelPresenter) \
    SCREEN(78, SETTINGS_TIME, SettingsTimeView, SettingsTimePresenter) \
    SCREEN(79, SOLAR_DETAILS, SolarDetailsView, SolarDetailsPresenter) \
    SCREEN(80, SOLAR_OVERVIEW, SolarOverviewView, SolarOverviewPresenter) \
    SCREEN(81, TEST_OPERATION, TestOperationView, TestOperationPresenter) \
    SCREEN(82, WIZARD_REPORT_MENU, WizardReportMenuView, WizardReportMenuPresenter) \
    SCREEN(83, WIZARD_REPORT_RESULT, WizardReportResultView, WizardReportResultPresenter) \
    SCREEN(84, WIZARD_REPORT_SETTINGS, WizardReportSettingsView, WizardReportSettingsPresenter) \
    SCREEN(85, WIZZARD_ABSORBER_SURFACE, WizzardAbsorberSurfaceView, WizzardAbsorberSurfacePresenter) \
    SCREEN(86, WIZZARD_CYLINDER_TYPE, WizzardCylinderTypeView, WizzardCylinderTypePresenter) \
    SCREEN(87, WIZZARD_DETECTED_DEVICES, WizzardDetectedDevicesView, WizzardDetectedDevicesPresenter) \
    SCREEN(88, WIZZARD_HC_TYPE_SELECT, WizzardHCTypeSelectView, WizzardHCTypeSelectPresenter) \
    SCREEN(89, WIZZARD_INIT, WizzardInitView, WizzardInitPresenter) \
    SCREEN(90, WIZZARD_SYSTEM_SCHEME_ADD, WizzardSystemSchemeAddView, WizzardSystemSchemeAddPresenter) \
    SCREEN(91, WIZZARD_SYSTEM_SCHEME_EDIT, WizzardSystemSchemeEditView, WizzardSystemSchemeEditPresenter) \
    SCREEN(92, WIZZARD_SYSTEM_SCHEME_MAIN, WizzardSystemSchemeMainView, WizzardSystemSchemeMainPresenter) \
    SCREEN(93, WIZZARD_SYSTEM_SCHEME_REMOVE, WizzardSystemSchemeRemoveView, WizzardSystemSchemeRemovePresenter) \
    SCREEN(94, WIZZARD_TUNING_GAS_DHW, WizzardTuningGasDHWView, WizzardTuningGasDHWPresenter) \
    SCREEN(95, WIZZARD_TUNING_HC, WizzardTuningHCView, WizzardTuningHCPresenter) \
    SCREEN(96, WIZZARD_TUNING_SOLAR_MODULE, WizzardTuningSolarModuleView, WizzardTuningSolarModulePresenter)

// The page ids, as the page tree and the page manager pass them: PAGE_<name>.
enum PageId : uint16_t
{
#define GUI_PAGE_ID(id, name, view, presenter) PAGE_##name = id,
    GUI_SCREEN_TABLE(GUI_PAGE_ID)
#undef GUI_PAGE_ID
};

// Page ids run from 0 to PAGE_COUNT - 1.
#define GUI_COUNT_ONE(id, name, view, presenter) +1
constexpr uint16_t PAGE_COUNT = 0 GUI_SCREEN_TABLE(GUI_COUNT_ONE);
#undef GUI_COUNT_ONE

#endif
