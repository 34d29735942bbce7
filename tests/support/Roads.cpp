#include "Roads.hpp"

namespace roads
{
namespace
{
// Found by the road finder (tests/gui/app/RoadFinderTest.cpp) on the seeded installation, the
// scheme's from the wizard's road to it; the wizard's questions were added by hand. Menus: the main menu button top left, tiles row by row.
const Point MAIN_MENU_PAGE[] = {{55, 34}};
const Point WIZARD_INIT_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}};
const Point WIZARD_DETECTED_DEVICES_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {735, 445}, {400, 385}, {288, 370}, {400, 370}};
const Point WIZARD_REPORT_MENU_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {735, 445}, {400, 385}, {512, 370}};
const Point WIZARD_REPORT_RESULT_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {735, 445}, {400, 385}, {512, 370}, {160, 240}};
const Point WIZARD_REPORT_SETTINGS_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {735, 445}, {400, 385}, {512, 370}, {640, 240}};
const Point HEATING_SELECTION_PAGE[] = {{55, 34}, {160, 166}};
const Point HEATING_MENU_PAGE[] = {{55, 34}, {160, 166}, {280, 240}};
const Point HEATING_COMFORT_TEMP_PAGE[] = {{70, 237}};
const Point HEATING_ROOM_TEMP_PAGE[] = {{730, 192}};
const Point HEATING_REDUCED_ROOM_TEMP_PAGE[] = {{55, 34}, {160, 166}, {280, 240}, {400, 316}};
const Point HEATING_OPERATING_PROGRAM_PAGE[] = {{70, 137}};
const Point HEATING_TIME_PROGRAM_OVERVIEW_PAGE[] = {{603, 445}, {400, 240}};
const Point HEATING_TIME_PROGRAM_EDIT_PAGE[] = {{603, 445}, {400, 240}, {735, 445}};
const Point HEATING_TIME_PROGRAM_COPY_PAGE[] = {{603, 445}, {400, 240}, {603, 445}};
const Point HEATING_HOLIDAY_PROGRAM_PAGE[] = {{55, 34}, {160, 166}, {280, 240}, {640, 166}};
const Point HEATING_CURVE_PAGE[] = {{55, 34}, {160, 166}, {280, 240}, {160, 166}};
const Point DHW_MENU_PAGE[] = {{55, 34}, {640, 166}};
const Point DHW_BASE_SETPOINT_TEMP_PAGE[] = {{55, 34}, {640, 166}, {160, 240}};
const Point DHW_TIME_PROGRAM_SELECTION_PAGE[] = {{55, 34}, {640, 166}, {400, 240}};
const Point DHW_TIME_PROGRAM_TYPE_PAGE[] = {{603, 445}, {160, 240}};
const Point DHW_CIRCULATION_SELECTION_PAGE[] = {{55, 34}, {640, 166}, {640, 240}};
const Point DHW_CIRCULATION_TYPE_PAGE[] = {{55, 34}, {640, 166}, {640, 240}, {280, 240}};
const Point DHW_TIME_PROGRAM_OVERVIEW_PAGE[] = {{603, 445}, {160, 240}, {520, 240}, {735, 445}};
const Point DHW_TIME_PROGRAM_EDIT_PAGE[] = {{603, 445}, {160, 240}, {520, 240}, {735, 445}, {735, 445}};
const Point DHW_TIME_PROGRAM_COPY_PAGE[] = {{603, 445}, {160, 240}, {520, 240}, {735, 445}, {603, 445}};
const Point DHW_CIRCULATION_OVERVIEW_PAGE[] = {{55, 34}, {160, 316}, {160, 316}, {359, 203}};
const Point DHW_CIRCULATION_EDIT_PAGE[] = {{55, 34}, {640, 166}, {640, 240}, {280, 240}, {735, 445}, {735, 445}};
const Point DHW_CIRCULATION_COPY_PAGE[] = {{55, 34}, {640, 166}, {640, 240}, {280, 240}, {735, 445}, {603, 445}};
const Point FAVOURITES_MAIN_PAGE[] = {{603, 445}};
const Point FAVOURITES_MANAGE_PAGE[] = {{603, 445}, {640, 240}};
const Point BUFFER_LOAD_PAGE[] = {{735, 445}, {407, 250}};
const Point BUFFER_LOAD_ONE_TIME_CHARGE_PAGE[] = {{735, 445}, {407, 250}, {666, 256}};
const Point ENERGY_BALANCE_INTERVAL_PAGE[] = {{735, 445}, {80, 332}, {324, 334}};
const Point ENERGY_BALANCE_PAGE[] = {{735, 445}, {80, 332}, {324, 334}, {278, 164}};
const Point ENERGY_BALANCE_NOTE_PAGE[] = {{735, 445}, {80, 332}};
const Point ENERGY_COCKPIT_PAGE[] = {{735, 445}};
const Point BOILER_DETAILS_PAGE[] = {{735, 445}, {671, 231}};
const Point ELECTRICITY_INTERVAL_PAGE[] = {{735, 445}, {671, 231}, {359, 355}, {324, 334}};
const Point GAS_INTERVAL_PAGE[] = {{735, 445}, {671, 231}, {359, 274}, {324, 334}};
const Point GAS_DETECTION_IMPROV_PAGE[] = {{735, 445}, {671, 231}, {359, 274}, {324, 334}, {400, 316}};
const Point GAS_OVERVIEW_PAGE[] = {{735, 445}, {671, 231}, {359, 274}, {324, 334}, {160, 166}};
const Point GAS_DETAILS_PAGE[] = {{735, 445}, {671, 231}, {359, 274}, {324, 334}, {160, 166}, {120, 255}};
const Point GAS_NOTE_PAGE[] = {{735, 445}, {671, 231}, {359, 274}};
const Point GAS_METER_READING_PAGE[] = {{735, 445}, {671, 231}, {359, 274}, {324, 334}, {400, 316}, {324, 337}};
const Point GAS_QUALITY_PAGE[] = {{735, 445}, {671, 231}, {359, 274}, {324, 334}, {640, 316}};
const Point ELECTRICITY_OVERVIEW_PAGE[] = {{735, 445}, {671, 231}, {359, 355}, {324, 334}, {278, 164}};
const Point ELECTRICITY_DETAILS_PAGE[] = {{735, 445}, {671, 231}, {359, 355}, {324, 334}, {278, 164}, {120, 255}};
const Point ELECTRICITY_NOTE_PAGE[] = {{735, 445}, {671, 231}, {359, 355}};
const Point SOLAR_YIELD_INTERVAL_PAGE[] = {{735, 445}, {132, 204}};
const Point SOLAR_OVERVIEW_PAGE[] = {{735, 445}, {132, 204}, {278, 164}};
const Point SOLAR_DETAILS_PAGE[] = {{735, 445}, {132, 204}, {278, 164}, {120, 255}};
const Point TEST_OPERATION_PAGE[] = {{55, 34}, {400, 166}};
const Point SERVICE_EXIT_PAGE[] = {{55, 34}, {640, 316}};
const Point SETTINGS_MENU_PAGE[] = {{55, 34}, {400, 316}};
const Point LANGUAGE_PAGE[] = {{55, 34}, {400, 316}, {160, 166}};
const Point SCREEN_MENU_PAGE[] = {{55, 34}, {400, 316}, {400, 166}};
const Point BRIGHTNESS_NORMAL_PAGE[] = {{55, 34}, {400, 316}, {400, 166}, {280, 240}};
const Point BRIGHTNESS_STANDBY_PAGE[] = {{55, 34}, {400, 316}, {400, 166}, {520, 240}};
const Point DATE_TIME_MENU_PAGE[] = {{55, 34}, {400, 316}, {640, 166}};
const Point DATE_PAGE[] = {{55, 34}, {400, 316}, {640, 166}, {280, 240}};
const Point TIME_PAGE[] = {{55, 34}, {400, 316}, {640, 166}, {520, 240}};
const Point BUZZER_PAGE[] = {{55, 34}, {400, 316}, {160, 316}};
const Point LOCK_PANEL_PAGE[] = {{55, 34}, {400, 316}, {775, 105}};
const Point LOCK_PANEL_ENABLE_PAGE[] = {{55, 34}, {400, 316}, {775, 105}, {280, 240}};
const Point LOCK_PANEL_PASSWORD_PAGE[] = {{55, 34}, {400, 316}, {735, 445}, {390, 166}};
const Point LAN_TYPE_PAGE[] = {{55, 34}, {400, 316}, {735, 445}, {630, 166}};
const Point LAN_STATIC_CONFIG_PAGE[] = {{55, 34}, {400, 316}, {735, 445}, {630, 166}, {520, 240}, {735, 445}};
const Point LAN_PARAMETER_EDIT_PAGE[] = {{55, 34}, {400, 316}, {735, 445}, {630, 166}, {520, 240}, {735, 445}, {359, 122}};
const Point LAN_CONNECTION_TEST_PAGE[] = {{55, 34}, {400, 316}, {735, 445}, {630, 166}, {735, 445}};
const Point CIRCUIT_NAME_SELECTION_PAGE[] = {{55, 34}, {400, 316}, {400, 316}};
const Point CIRCUIT_NAME_PAGE[] = {{55, 34}, {400, 316}, {400, 316}, {280, 240}};
const Point FACTORY_DEFAULTS_SELECTION_PAGE[] = {{55, 34}, {400, 316}, {640, 316}};
const Point FACTORY_DEFAULTS_PAGE[] = {{55, 34}, {400, 316}, {640, 316}, {280, 240}};
const Point CONTACT_DATA_PAGE[] = {{55, 34}, {400, 316}, {775, 255}};
const Point LAN_RESCUE_UPDATE_PAGE[] = {{55, 34}, {400, 316}, {735, 445}, {390, 316}};
const Point INFORMATION_MENU_PAGE[] = {{55, 34}, {160, 316}};
const Point GENERAL_INFO_PAGE[] = {{55, 34}, {160, 316}, {160, 166}};
const Point CIRCUIT1_INFO_PAGE[] = {{55, 34}, {160, 316}, {400, 166}};
const Point CIRCUIT2_INFO_PAGE[] = {{55, 34}, {160, 316}, {640, 166}};
const Point DHW_INFO_PAGE[] = {{55, 34}, {160, 316}, {160, 316}};
const Point SOLAR_INFO_PAGE[] = {{55, 34}, {160, 316}, {400, 316}};
const Point LAN_INFO_PAGE[] = {{55, 34}, {160, 316}, {640, 316}};
const Point CONTACT_DATA_SHOW_PAGE[] = {{55, 34}, {160, 316}, {775, 105}};
const Point RESET_DATA_PAGE[] = {{55, 34}, {160, 316}, {735, 445}, {390, 166}};
const Point CYLINDER_HISTORY_INTERVAL_PAGE[] = {{55, 34}, {160, 316}, {160, 316}, {744, 363}, {35, 375}};
const Point CYLINDER_HISTORY_PAGE[] = {{55, 34}, {160, 316}, {160, 316}, {744, 363}, {35, 375}, {156, 240}};
const Point STRATIFICATION_INTERVAL_PAGE[] = {{55, 34}, {160, 316}, {160, 316}, {744, 363}, {744, 363}, {744, 363}, {35, 375}};
const Point STRATIFICATION_PAGE[] = {{55, 34}, {160, 316}, {160, 316}, {744, 363}, {744, 363}, {744, 363}, {35, 375}, {156, 240}};
const Point FILLING_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {359, 365}};
// Filling's "Continue" and the venting question's "Yes".
const Point VENTING_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {359, 365}, {288, 370}, {735, 445}};
// The wizard as far as the system scheme: the start step's "Continue", three "Yes", and
// "Continue" on both detection lists.
const Point WIZARD_SCHEME_MAIN_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {735, 445}, {400, 385}, {288, 370}, {400, 370}, {735, 445}, {735, 445}};
const Point WIZARD_SCHEME_EDIT_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {735, 445}, {400, 385}, {288, 370}, {400, 370}, {735, 445}, {735, 445}, {469, 445}};
const Point WIZARD_SCHEME_REMOVE_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {735, 445}, {400, 385}, {288, 370}, {400, 370}, {735, 445}, {735, 445}, {469, 445}, {400, 117}};
const Point WIZARD_TUNING_HC_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {735, 445}, {400, 385}, {288, 370}, {400, 370}, {735, 445}, {735, 445}, {282, 224}};
const Point WIZARD_HC_TYPE_SELECT_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {735, 445}, {400, 385}, {288, 370}, {400, 370}, {735, 445}, {735, 445}, {282, 224}, {359, 122}};
const Point WIZARD_TUNING_GAS_DHW_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {735, 445}, {400, 385}, {288, 370}, {400, 370}, {735, 445}, {735, 445}, {175, 249}};
const Point WIZARD_TUNING_SOLAR_MODULE_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {735, 445}, {400, 385}, {288, 370}, {400, 370}, {735, 445}, {735, 445}, {68, 199}};
const Point WIZARD_ABSORBER_SURFACE_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {735, 445}, {400, 385}, {288, 370}, {400, 370}, {735, 445}, {735, 445}, {68, 199}, {744, 363}, {35, 375}};
// The solar pump made a PWM pump on the tile selector: its calibration line joins the list.
const Point SOLAR_PUMP_CALIBRATION_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {735, 445}, {400, 385}, {288, 370}, {400, 370}, {735, 445}, {735, 445}, {68, 199}, {359, 122}, {201, 445}, {359, 203}};
const Point TILE_SELECTOR_PAGE[] = {{55, 34}, {640, 316}, {735, 445, 254}, {735, 445}, {400, 385}, {288, 370}, {400, 370}, {735, 445}, {735, 445}, {68, 199}, {359, 122}};


const Road ROADS[] = {
    {"startupPage", 52, "the splash of every start; every road begins after it", nullptr, 0},
    {"mainPage", 51, nullptr, nullptr, 0}, // the page after the splash
    {"mainMenuPage", 14, nullptr, MAIN_MENU_PAGE, sizeof(MAIN_MENU_PAGE) / sizeof(Point)},
    {"wizardInitPage", 89, nullptr, WIZARD_INIT_PAGE, sizeof(WIZARD_INIT_PAGE) / sizeof(Point), false},
    {"wizardDetectedDevicesPage", 87, nullptr, WIZARD_DETECTED_DEVICES_PAGE, sizeof(WIZARD_DETECTED_DEVICES_PAGE) / sizeof(Point), false},
    {"wizardAbsorberSurfacePage", 85, nullptr, WIZARD_ABSORBER_SURFACE_PAGE, sizeof(WIZARD_ABSORBER_SURFACE_PAGE) / sizeof(Point), false},
    {"wizardSchemeMainPage", 92, nullptr, WIZARD_SCHEME_MAIN_PAGE, sizeof(WIZARD_SCHEME_MAIN_PAGE) / sizeof(Point), false},
    {"wizardSchemeEditPage", 91, nullptr, WIZARD_SCHEME_EDIT_PAGE, sizeof(WIZARD_SCHEME_EDIT_PAGE) / sizeof(Point), false},
    {"wizardSchemeAddPage", 90, "the seeded scheme takes no further cylinder, so its edit page offers only the removal (the scheme tests cover adding)", nullptr, 0},
    {"wizardSchemeRemovePage", 93, nullptr, WIZARD_SCHEME_REMOVE_PAGE, sizeof(WIZARD_SCHEME_REMOVE_PAGE) / sizeof(Point), false},
    {"wizardHcTypeSelectPage", 88, nullptr, WIZARD_HC_TYPE_SELECT_PAGE, sizeof(WIZARD_HC_TYPE_SELECT_PAGE) / sizeof(Point), false},
    {"wizardTuningHcPage", 95, nullptr, WIZARD_TUNING_HC_PAGE, sizeof(WIZARD_TUNING_HC_PAGE) / sizeof(Point), false},
    {"wizardTuningGasDhwPage", 94, nullptr, WIZARD_TUNING_GAS_DHW_PAGE, sizeof(WIZARD_TUNING_GAS_DHW_PAGE) / sizeof(Point), false},
    {"wizardTuningSolarModulePage", 96, nullptr, WIZARD_TUNING_SOLAR_MODULE_PAGE, sizeof(WIZARD_TUNING_SOLAR_MODULE_PAGE) / sizeof(Point), false},
    {"wizardCylinderTypePage", 86, "the seeded boiler has no cylinder-type choice, so its tuning list has no such line (the tuning and component tests cover it)", nullptr, 0},
    {"tileSelectorPage", 15, nullptr, TILE_SELECTOR_PAGE, sizeof(TILE_SELECTOR_PAGE) / sizeof(Point), false},
    {"wizardReportMenuPage", 82, nullptr, WIZARD_REPORT_MENU_PAGE, sizeof(WIZARD_REPORT_MENU_PAGE) / sizeof(Point), false},
    {"wizardReportResultPage", 83, nullptr, WIZARD_REPORT_RESULT_PAGE, sizeof(WIZARD_REPORT_RESULT_PAGE) / sizeof(Point), false},
    {"wizardReportSettingsPage", 84, nullptr, WIZARD_REPORT_SETTINGS_PAGE, sizeof(WIZARD_REPORT_SETTINGS_PAGE) / sizeof(Point), false},
    {"heatingSelectionPage", 12, nullptr, HEATING_SELECTION_PAGE, sizeof(HEATING_SELECTION_PAGE) / sizeof(Point)},
    {"heatingMenuPage", 34, nullptr, HEATING_MENU_PAGE, sizeof(HEATING_MENU_PAGE) / sizeof(Point)},
    {"heatingComfortTempPage", 31, nullptr, HEATING_COMFORT_TEMP_PAGE, sizeof(HEATING_COMFORT_TEMP_PAGE) / sizeof(Point)},
    {"heatingRoomTempPage", 37, nullptr, HEATING_ROOM_TEMP_PAGE, sizeof(HEATING_ROOM_TEMP_PAGE) / sizeof(Point)},
    {"heatingReducedRoomTempPage", 36, nullptr, HEATING_REDUCED_ROOM_TEMP_PAGE, sizeof(HEATING_REDUCED_ROOM_TEMP_PAGE) / sizeof(Point)},
    {"heatingOperatingProgramPage", 35, nullptr, HEATING_OPERATING_PROGRAM_PAGE, sizeof(HEATING_OPERATING_PROGRAM_PAGE) / sizeof(Point)},
    {"heatingTimeProgramOverviewPage", 40, nullptr, HEATING_TIME_PROGRAM_OVERVIEW_PAGE, sizeof(HEATING_TIME_PROGRAM_OVERVIEW_PAGE) / sizeof(Point)},
    {"heatingTimeProgramEditPage", 39, nullptr, HEATING_TIME_PROGRAM_EDIT_PAGE, sizeof(HEATING_TIME_PROGRAM_EDIT_PAGE) / sizeof(Point)},
    {"heatingTimeProgramCopyPage", 38, nullptr, HEATING_TIME_PROGRAM_COPY_PAGE, sizeof(HEATING_TIME_PROGRAM_COPY_PAGE) / sizeof(Point)},
    {"heatingHolidayProgramPage", 33, nullptr, HEATING_HOLIDAY_PROGRAM_PAGE, sizeof(HEATING_HOLIDAY_PROGRAM_PAGE) / sizeof(Point)},
    {"heatingCurvePage", 32, nullptr, HEATING_CURVE_PAGE, sizeof(HEATING_CURVE_PAGE) / sizeof(Point)},
    {"dhwMenuPage", 14, nullptr, DHW_MENU_PAGE, sizeof(DHW_MENU_PAGE) / sizeof(Point)},
    {"dhwBaseSetpointTempPage", 16, nullptr, DHW_BASE_SETPOINT_TEMP_PAGE, sizeof(DHW_BASE_SETPOINT_TEMP_PAGE) / sizeof(Point)},
    {"dhwTimeProgramSelectionPage", 21, nullptr, DHW_TIME_PROGRAM_SELECTION_PAGE, sizeof(DHW_TIME_PROGRAM_SELECTION_PAGE) / sizeof(Point)},
    {"dhwTimeProgramTypePage", 25, nullptr, DHW_TIME_PROGRAM_TYPE_PAGE, sizeof(DHW_TIME_PROGRAM_TYPE_PAGE) / sizeof(Point)},
    {"dhwCirculationSelectionPage", 21, nullptr, DHW_CIRCULATION_SELECTION_PAGE, sizeof(DHW_CIRCULATION_SELECTION_PAGE) / sizeof(Point)},
    {"dhwCirculationTypePage", 20, nullptr, DHW_CIRCULATION_TYPE_PAGE, sizeof(DHW_CIRCULATION_TYPE_PAGE) / sizeof(Point)},
    {"dhwTimeProgramOverviewPage", 24, nullptr, DHW_TIME_PROGRAM_OVERVIEW_PAGE, sizeof(DHW_TIME_PROGRAM_OVERVIEW_PAGE) / sizeof(Point)},
    {"dhwTimeProgramEditPage", 23, nullptr, DHW_TIME_PROGRAM_EDIT_PAGE, sizeof(DHW_TIME_PROGRAM_EDIT_PAGE) / sizeof(Point)},
    {"dhwTimeProgramCopyPage", 22, nullptr, DHW_TIME_PROGRAM_COPY_PAGE, sizeof(DHW_TIME_PROGRAM_COPY_PAGE) / sizeof(Point)},
    {"dhwCirculationOverviewPage", 19, nullptr, DHW_CIRCULATION_OVERVIEW_PAGE, sizeof(DHW_CIRCULATION_OVERVIEW_PAGE) / sizeof(Point)},
    {"dhwCirculationEditPage", 18, nullptr, DHW_CIRCULATION_EDIT_PAGE, sizeof(DHW_CIRCULATION_EDIT_PAGE) / sizeof(Point)},
    {"dhwCirculationCopyPage", 17, nullptr, DHW_CIRCULATION_COPY_PAGE, sizeof(DHW_CIRCULATION_COPY_PAGE) / sizeof(Point)},
    {"favouritesMainPage", 29, nullptr, FAVOURITES_MAIN_PAGE, sizeof(FAVOURITES_MAIN_PAGE) / sizeof(Point)},
    {"favouritesManagePage", 30, nullptr, FAVOURITES_MANAGE_PAGE, sizeof(FAVOURITES_MANAGE_PAGE) / sizeof(Point)},
    {"bufferLoadPage", 9, nullptr, BUFFER_LOAD_PAGE, sizeof(BUFFER_LOAD_PAGE) / sizeof(Point)},
    {"bufferLoadOneTimeChargePage", 8, nullptr, BUFFER_LOAD_ONE_TIME_CHARGE_PAGE, sizeof(BUFFER_LOAD_ONE_TIME_CHARGE_PAGE) / sizeof(Point), false},
    {"energyBalanceIntervalPage", 13, nullptr, ENERGY_BALANCE_INTERVAL_PAGE, sizeof(ENERGY_BALANCE_INTERVAL_PAGE) / sizeof(Point)},
    {"energyBalancePage", 27, nullptr, ENERGY_BALANCE_PAGE, sizeof(ENERGY_BALANCE_PAGE) / sizeof(Point)},
    {"energyBalanceNotePage", 26, nullptr, ENERGY_BALANCE_NOTE_PAGE, sizeof(ENERGY_BALANCE_NOTE_PAGE) / sizeof(Point), false},
    {"energyCockpitPage", 28, nullptr, ENERGY_COCKPIT_PAGE, sizeof(ENERGY_COCKPIT_PAGE) / sizeof(Point)},
    {"boilerDetailsPage", 0, nullptr, BOILER_DETAILS_PAGE, sizeof(BOILER_DETAILS_PAGE) / sizeof(Point)},
    {"electricityIntervalPage", 13, nullptr, ELECTRICITY_INTERVAL_PAGE, sizeof(ELECTRICITY_INTERVAL_PAGE) / sizeof(Point)},
    {"gasIntervalPage", 13, nullptr, GAS_INTERVAL_PAGE, sizeof(GAS_INTERVAL_PAGE) / sizeof(Point)},
    {"gasDetectionImprovPage", 4, nullptr, GAS_DETECTION_IMPROV_PAGE, sizeof(GAS_DETECTION_IMPROV_PAGE) / sizeof(Point), false},
    {"gasOverviewPage", 5, nullptr, GAS_OVERVIEW_PAGE, sizeof(GAS_OVERVIEW_PAGE) / sizeof(Point)},
    {"gasDetailsPage", 3, nullptr, GAS_DETAILS_PAGE, sizeof(GAS_DETAILS_PAGE) / sizeof(Point)},
    {"gasNotePage", 26, nullptr, GAS_NOTE_PAGE, sizeof(GAS_NOTE_PAGE) / sizeof(Point), false},
    {"gasMeterReadingPage", 6, nullptr, GAS_METER_READING_PAGE, sizeof(GAS_METER_READING_PAGE) / sizeof(Point)},
    {"gasQualityPage", 7, nullptr, GAS_QUALITY_PAGE, sizeof(GAS_QUALITY_PAGE) / sizeof(Point)},
    {"electricityOverviewPage", 2, nullptr, ELECTRICITY_OVERVIEW_PAGE, sizeof(ELECTRICITY_OVERVIEW_PAGE) / sizeof(Point)},
    {"electricityDetailsPage", 1, nullptr, ELECTRICITY_DETAILS_PAGE, sizeof(ELECTRICITY_DETAILS_PAGE) / sizeof(Point)},
    {"electricityNotePage", 26, nullptr, ELECTRICITY_NOTE_PAGE, sizeof(ELECTRICITY_NOTE_PAGE) / sizeof(Point), false},
    {"solarYieldIntervalPage", 13, nullptr, SOLAR_YIELD_INTERVAL_PAGE, sizeof(SOLAR_YIELD_INTERVAL_PAGE) / sizeof(Point)},
    {"solarOverviewPage", 80, nullptr, SOLAR_OVERVIEW_PAGE, sizeof(SOLAR_OVERVIEW_PAGE) / sizeof(Point)},
    {"solarDetailsPage", 79, nullptr, SOLAR_DETAILS_PAGE, sizeof(SOLAR_DETAILS_PAGE) / sizeof(Point)},
    {"testOperationPage", 81, nullptr, TEST_OPERATION_PAGE, sizeof(TEST_OPERATION_PAGE) / sizeof(Point)},
    {"testOperationPage2", 81, "no road: no menu entry or screen leads to this second entry of the test operation", nullptr, 0},
    {"serviceExitPage", 61, nullptr, SERVICE_EXIT_PAGE, sizeof(SERVICE_EXIT_PAGE) / sizeof(Point), false},
    {"settingsMenuPage", 14, nullptr, SETTINGS_MENU_PAGE, sizeof(SETTINGS_MENU_PAGE) / sizeof(Point)},
    {"languagePage", 72, nullptr, LANGUAGE_PAGE, sizeof(LANGUAGE_PAGE) / sizeof(Point)},
    {"screenMenuPage", 14, nullptr, SCREEN_MENU_PAGE, sizeof(SCREEN_MENU_PAGE) / sizeof(Point)},
    {"brightnessNormalPage", 64, nullptr, BRIGHTNESS_NORMAL_PAGE, sizeof(BRIGHTNESS_NORMAL_PAGE) / sizeof(Point)},
    {"brightnessStandbyPage", 65, nullptr, BRIGHTNESS_STANDBY_PAGE, sizeof(BRIGHTNESS_STANDBY_PAGE) / sizeof(Point)},
    {"dateTimeMenuPage", 14, nullptr, DATE_TIME_MENU_PAGE, sizeof(DATE_TIME_MENU_PAGE) / sizeof(Point)},
    {"datePage", 68, nullptr, DATE_PAGE, sizeof(DATE_PAGE) / sizeof(Point)},
    {"timePage", 78, nullptr, TIME_PAGE, sizeof(TIME_PAGE) / sizeof(Point)},
    {"buzzerPage", 66, nullptr, BUZZER_PAGE, sizeof(BUZZER_PAGE) / sizeof(Point)},
    {"lockPanelPage", 77, nullptr, LOCK_PANEL_PAGE, sizeof(LOCK_PANEL_PAGE) / sizeof(Point)},
    {"lockPanelEnablePage", 76, nullptr, LOCK_PANEL_ENABLE_PAGE, sizeof(LOCK_PANEL_ENABLE_PAGE) / sizeof(Point)},
    {"lockPanelPasswordPage", 56, nullptr, LOCK_PANEL_PASSWORD_PAGE, sizeof(LOCK_PANEL_PASSWORD_PAGE) / sizeof(Point)},
    {"lanTypePage", 75, nullptr, LAN_TYPE_PAGE, sizeof(LAN_TYPE_PAGE) / sizeof(Point)},
    {"lanStaticConfigPage", 74, nullptr, LAN_STATIC_CONFIG_PAGE, sizeof(LAN_STATIC_CONFIG_PAGE) / sizeof(Point)},
    {"lanParameterEditPage", 73, nullptr, LAN_PARAMETER_EDIT_PAGE, sizeof(LAN_PARAMETER_EDIT_PAGE) / sizeof(Point)},
    {"lanConnectionTestPage", 71, nullptr, LAN_CONNECTION_TEST_PAGE, sizeof(LAN_CONNECTION_TEST_PAGE) / sizeof(Point)},
    {"circuitNameSelectionPage", 12, nullptr, CIRCUIT_NAME_SELECTION_PAGE, sizeof(CIRCUIT_NAME_SELECTION_PAGE) / sizeof(Point)},
    {"circuitNamePage", 69, nullptr, CIRCUIT_NAME_PAGE, sizeof(CIRCUIT_NAME_PAGE) / sizeof(Point)},
    {"factoryDefaultsSelectionPage", 63, nullptr, FACTORY_DEFAULTS_SELECTION_PAGE, sizeof(FACTORY_DEFAULTS_SELECTION_PAGE) / sizeof(Point)},
    {"factoryDefaultsPage", 70, nullptr, FACTORY_DEFAULTS_PAGE, sizeof(FACTORY_DEFAULTS_PAGE) / sizeof(Point), false},
    {"contactDataPage", 67, nullptr, CONTACT_DATA_PAGE, sizeof(CONTACT_DATA_PAGE) / sizeof(Point)},
    {"lanRescueUpdatePage", 62, nullptr, LAN_RESCUE_UPDATE_PAGE, sizeof(LAN_RESCUE_UPDATE_PAGE) / sizeof(Point), false},
    {"informationMenuPage", 14, nullptr, INFORMATION_MENU_PAGE, sizeof(INFORMATION_MENU_PAGE) / sizeof(Point)},
    {"generalInfoPage", 46, nullptr, GENERAL_INFO_PAGE, sizeof(GENERAL_INFO_PAGE) / sizeof(Point)},
    {"circuit1InfoPage", 47, nullptr, CIRCUIT1_INFO_PAGE, sizeof(CIRCUIT1_INFO_PAGE) / sizeof(Point)},
    {"circuit2InfoPage", 47, nullptr, CIRCUIT2_INFO_PAGE, sizeof(CIRCUIT2_INFO_PAGE) / sizeof(Point)},
    {"circuit3InfoPage", 47, "the seeded installation has two heating circuits; the third circuit's entry stays hidden (the all-pages test builds it)", nullptr, 0},
    {"dhwInfoPage", 45, nullptr, DHW_INFO_PAGE, sizeof(DHW_INFO_PAGE) / sizeof(Point)},
    {"solarInfoPage", 50, nullptr, SOLAR_INFO_PAGE, sizeof(SOLAR_INFO_PAGE) / sizeof(Point)},
    {"lanInfoPage", 48, nullptr, LAN_INFO_PAGE, sizeof(LAN_INFO_PAGE) / sizeof(Point)},
    {"contactDataShowPage", 41, nullptr, CONTACT_DATA_SHOW_PAGE, sizeof(CONTACT_DATA_SHOW_PAGE) / sizeof(Point)},
    {"resetDataPage", 49, nullptr, RESET_DATA_PAGE, sizeof(RESET_DATA_PAGE) / sizeof(Point)},
    {"cylinderHistoryIntervalPage", 13, nullptr, CYLINDER_HISTORY_INTERVAL_PAGE, sizeof(CYLINDER_HISTORY_INTERVAL_PAGE) / sizeof(Point)},
    {"cylinderHistoryPage", 42, nullptr, CYLINDER_HISTORY_PAGE, sizeof(CYLINDER_HISTORY_PAGE) / sizeof(Point)},
    {"stratificationIntervalPage", 13, nullptr, STRATIFICATION_INTERVAL_PAGE, sizeof(STRATIFICATION_INTERVAL_PAGE) / sizeof(Point)},
    {"stratificationPage", 44, nullptr, STRATIFICATION_PAGE, sizeof(STRATIFICATION_PAGE) / sizeof(Point)},
    {"cylinderMinMaxPage", 43, "only the hot-water diagnosis list offers min/max, and no page of the tree opens that list as a diagnosis (the all-pages and hot-water list tests build it)", nullptr, 0},
    {"ventingPage", 60, nullptr, VENTING_PAGE, sizeof(VENTING_PAGE) / sizeof(Point), false},
    {"fillingPage", 57, nullptr, FILLING_PAGE, sizeof(FILLING_PAGE) / sizeof(Point), false},
    {"solarPumpCalibrationPage", 58, nullptr, SOLAR_PUMP_CALIBRATION_PAGE, sizeof(SOLAR_PUMP_CALIBRATION_PAGE) / sizeof(Point), false},
    {"solarPumpStatusPage", 59, "the solar information offers the pump status only with a device flag the seeded installation lacks (the solar information tests cover it)", nullptr, 0},
};

const char* const LANGUAGE_NAMES[LANGUAGE_COUNT] = {"german", "english", "french", "danish", "dutch",
                                                    "polish", "italian", "czech", "slovak", "swedish"};
// Main menu, settings, language; six flag tiles on the first page, four on the second.
const Point TO_LANGUAGE_SCREEN[] = {{55, 34}, {400, 316}, {160, 166}};
const Point NEXT_FLAGS = {603, 445};
const Point FLAG_TILES[LANGUAGE_COUNT] = {{160, 166}, {400, 166}, {640, 166}, {160, 316}, {400, 316},
                                          {640, 316}, {150, 166}, {390, 166}, {630, 166}, {150, 316}};
const Point ACCEPT = {735, 445};
} // namespace

uint32_t languageTouches(uint16_t language, Point* touches)
{
    if (language >= LANGUAGE_COUNT) {
        return 0;
    }
    uint32_t count = 0;
    for (const Point& touch : TO_LANGUAGE_SCREEN) {
        touches[count++] = touch;
    }
    if (language >= 6) {
        touches[count++] = NEXT_FLAGS;
    }
    touches[count++] = FLAG_TILES[language];
    touches[count++] = ACCEPT;
    touches[count++] = HOME_TOUCH;
    return count;
}

const char* languageName(uint16_t language)
{
    return language < LANGUAGE_COUNT ? LANGUAGE_NAMES[language] : nullptr;
}

const Road* table()
{
    return ROADS;
}

uint32_t tableSize()
{
    return sizeof(ROADS) / sizeof(ROADS[0]);
}
} // namespace roads
