#include "gui/pages/Pages.hpp"

#include "gui/pages/ScreenTable.hpp"

#include <initializer_list>

DeviceGroup<3> Pages::circuitGroup(0, 1, 2);
DeviceGroup<3> Pages::dhwGroup(9, 10, 11);

Pages::Pages(pagemanager::PageManager* manager)
    : startupPage(PAGE_STARTUP, 0, 300, false),
      mainPage(PAGE_MAIN, 0, 300, manager, 208),
      mainMenuPage(PAGE_MENU, 0, 120, false),
      wizardInitPage(PAGE_WIZZARD_INIT, 0, -1, manager, NO_HOME_ICON),
      wizardDetectedDevicesPage(PAGE_WIZZARD_DETECTED_DEVICES, 0, -1, false),
      wizardAbsorberSurfacePage(PAGE_WIZZARD_ABSORBER_SURFACE, 0, -1, false),
      wizardSchemeMainPage(PAGE_WIZZARD_SYSTEM_SCHEME_MAIN, 0, -1, false),
      wizardSchemeEditPage(PAGE_WIZZARD_SYSTEM_SCHEME_EDIT, 0, -1, false),
      wizardSchemeAddPage(PAGE_WIZZARD_SYSTEM_SCHEME_ADD, 0, -1, false),
      wizardSchemeRemovePage(PAGE_WIZZARD_SYSTEM_SCHEME_REMOVE, 0, -1, false),
      wizardHcTypeSelectPage(PAGE_WIZZARD_HC_TYPE_SELECT, 0, -1, false),
      wizardTuningHcPage(PAGE_WIZZARD_TUNING_HC, 0, -1, false),
      wizardTuningGasDhwPage(PAGE_WIZZARD_TUNING_GAS_DHW, 0, -1, false),
      wizardTuningSolarModulePage(PAGE_WIZZARD_TUNING_SOLAR_MODULE, 0, -1, false),
      wizardCylinderTypePage(PAGE_WIZZARD_CYLINDER_TYPE, 0, -1, false),
      tileSelectorPage(PAGE_TILE_SELECTOR, 0, -1, false),
      wizardReportMenuPage(PAGE_WIZARD_REPORT_MENU, 0, -1, manager, NO_HOME_ICON),
      wizardReportResultPage(PAGE_WIZARD_REPORT_RESULT, 0, -1, false),
      wizardReportSettingsPage(PAGE_WIZARD_REPORT_SETTINGS, 0, -1, false),
      heatingSelectionPage(PAGE_HC_SELECTION, 5, 120, &heatingMenuPage, manager, &circuitGroup),
      heatingMenuPage(PAGE_HEATING_MENU, 5, 120, false),
      heatingComfortTempPage(PAGE_HEATING_COMFORT_TEMP, 1, 120, false),
      heatingRoomTempPage(PAGE_HEATING_ROOM_TEMP, 1, 120, false),
      heatingReducedRoomTempPage(PAGE_HEATING_REDUCED_ROOM_TEMP, 5, 120, false),
      heatingOperatingProgramPage(PAGE_HEATING_OPERATING_PROGRAM, 1, 120, false),
      heatingTimeProgramOverviewPage(PAGE_HEATING_TIME_PROGRAM_OVERVIEW, 5, 120, false),
      heatingTimeProgramEditPage(PAGE_HEATING_TIME_PROGRAM_EDIT, 5, 120, false),
      heatingTimeProgramCopyPage(PAGE_HEATING_TIME_PROGRAM_COPY, 5, 120, false),
      heatingHolidayProgramPage(PAGE_HEATING_HOLIDAY_PROGRAM, 5, 120, false),
      heatingCurvePage(PAGE_HEATING_CURVE, 5, 120, false),
      dhwMenuPage(PAGE_MENU, 5, 120, false),
      dhwBaseSetpointTempPage(PAGE_DHW_BASE_SETPOINT_TEMP, 5, 120, false),
      dhwTimeProgramSelectionPage(PAGE_DHW_SELECTION, 5, 120, &dhwTimeProgramTypePage, manager, &dhwGroup),
      dhwTimeProgramTypePage(PAGE_DHW_TIME_PROGRAM_TYPE_SELECTION, 5, 120, false),
      dhwCirculationSelectionPage(PAGE_DHW_SELECTION, 5, 120, &dhwCirculationTypePage, manager, &dhwGroup),
      dhwCirculationTypePage(PAGE_DHW_CIRCULATION_TIME_PROGRAM_TYPE_SELECTION, 5, 120, false),
      dhwTimeProgramOverviewPage(PAGE_DHW_TIME_PROGRAM_OVERVIEW, 5, 120, false),
      dhwTimeProgramEditPage(PAGE_DHW_TIME_PROGRAM_EDIT, 5, 120, false),
      dhwTimeProgramCopyPage(PAGE_DHW_TIME_PROGRAM_COPY, 5, 120, false),
      dhwCirculationOverviewPage(PAGE_DHW_CIRCULATION_TIME_PROGRAM_OVERVIEW, 5, 120, false),
      dhwCirculationEditPage(PAGE_DHW_CIRCULATION_TIME_PROGRAM_EDIT, 5, 120, false),
      dhwCirculationCopyPage(PAGE_DHW_CIRCULATION_TIME_PROGRAM_COPY, 5, 120, false),
      favouritesMainPage(PAGE_FAVOURITES_MAIN, 5, 120, false),
      favouritesManagePage(PAGE_FAVOURITES_MANAGE, 5, 120, false),
      bufferLoadPage(PAGE_BUFFER_LOAD, 5, 120, false),
      bufferLoadOneTimeChargePage(PAGE_BUFFER_LOAD_ONE_TIME_CHARGE, 5, 120, false),
      energyBalanceIntervalPage(PAGE_INTERVAL_SELECTION_MENU, 5, 120, false),
      energyBalancePage(PAGE_ENERGY_BALANCE, 5, 120, false),
      energyBalanceNotePage(PAGE_ENERGY_BALANCE_NOTE, 5, 120, &energyBalancePage, &energyBalanceIntervalPage, manager, true),
      energyCockpitPage(PAGE_ENERGY_COCKPIT, 5, 120, false),
      boilerDetailsPage(PAGE_BOILER_DETAILS_MAIN, 5, 120, false),
      electricityIntervalPage(PAGE_INTERVAL_SELECTION_MENU, 5, 120, false),
      gasIntervalPage(PAGE_INTERVAL_SELECTION_MENU, 5, 120, false),
      gasDetectionImprovPage(PAGE_GAS_CONSUMPTION_DETECTION_IMPROV, 5, 120, false),
      gasOverviewPage(PAGE_GAS_CONSUMPTION_OVERVIEW, 5, 120, false),
      gasDetailsPage(PAGE_GAS_CONSUMPTION_DETAILS, 5, 120, false),
      gasNotePage(PAGE_ENERGY_BALANCE_NOTE, 5, 120, &gasIntervalPage, &gasIntervalPage, manager, false),
      gasMeterReadingPage(PAGE_INPUT_GAS_METER_READING, 5, 120, false),
      gasQualityPage(PAGE_INPUT_GAS_QUALITY, 5, 120, false),
      electricityOverviewPage(PAGE_ELECTRIC_ENERGY_CONSUMPTION_OVERVIEW, 5, 120, false),
      electricityDetailsPage(PAGE_ELECTRIC_ENERGY_CONSUMPTION_DETAILS, 5, 120, false),
      electricityNotePage(PAGE_ENERGY_BALANCE_NOTE, 5, 120, &electricityIntervalPage, &electricityIntervalPage, manager, false),
      solarYieldIntervalPage(PAGE_INTERVAL_SELECTION_MENU, 5, 120, false),
      solarOverviewPage(PAGE_SOLAR_OVERVIEW, 5, 120, false),
      solarDetailsPage(PAGE_SOLAR_DETAILS, 5, 120, false),
      testOperationPage(PAGE_TEST_OPERATION, 0, 120, false),
      testOperationPage2(PAGE_TEST_OPERATION, 0, 120, false),
      serviceExitPage(PAGE_SERVICE_EXIT, 0, 1800, false),
      settingsMenuPage(PAGE_MENU, 5, 120, false),
      languagePage(PAGE_SETTINGS_LANGUAGE, 5, 120, false),
      screenMenuPage(PAGE_MENU, 5, 120, false),
      brightnessNormalPage(PAGE_SETTINGS_BRIGHTNESS_NORMAL, 5, 120, false),
      brightnessStandbyPage(PAGE_SETTINGS_BRIGHTNESS_STANDBY, 5, 120, false),
      dateTimeMenuPage(PAGE_MENU, 5, 120, false),
      datePage(PAGE_SETTINGS_DATE, 5, 120, false),
      timePage(PAGE_SETTINGS_TIME, 5, 120, false),
      buzzerPage(PAGE_SETTINGS_BUZZER, 5, 120, false),
      lockPanelPage(PAGE_SETTINGS_LOCK_PANEL, 0, 120, false),
      lockPanelEnablePage(PAGE_SETTINGS_LOCK_PANEL_ENABLE, 0, 120, false),
      lockPanelPasswordPage(PAGE_SETTINGS_LOCK_PANEL_PASSWORD, 5, 120, false),
      lanTypePage(PAGE_SETTINGS_LAN_TYPE, 5, 120, false),
      lanStaticConfigPage(PAGE_SETTINGS_LAN_STATIC_CONFIG, 5, 120, false),
      lanParameterEditPage(PAGE_SETTINGS_LAN_PARAMETER_EDIT, 5, 120, false),
      lanConnectionTestPage(PAGE_SETTINGS_LAN_CONNECTION_TEST, 5, 120, false),
      circuitNameSelectionPage(PAGE_HC_SELECTION, 5, 120, &circuitNamePage, manager, &circuitGroup),
      circuitNamePage(PAGE_SETTINGS_HEATING_CIRCUIT_NAME, 5, 120, false),
      factoryDefaultsSelectionPage(PAGE_SETTING_HEATING_FACTORY_DEFAULTS_SELECTION, 5, 120, &factoryDefaultsPage, manager, &circuitGroup),
      factoryDefaultsPage(PAGE_SETTINGS_HEATING_FACTORY_DEFAULTS, 5, 120, false),
      contactDataPage(PAGE_SETTINGS_CONTACT_DATA, 5, 120, false),
      lanRescueUpdatePage(PAGE_LAN_CARD_RESCUE_UPDATE, 5, 1800, false),
      informationMenuPage(PAGE_MENU, 5, 120, false),
      generalInfoPage(PAGE_GENERAL, 5, 120, false),
      circuit1InfoPage(PAGE_HCX, 5, 120, false),
      circuit2InfoPage(PAGE_HCX, 5, 120, false),
      circuit3InfoPage(PAGE_HCX, 5, 120, false),
      dhwInfoPage(PAGE_DHW, 5, 120, false),
      solarInfoPage(PAGE_SOLAR, 5, 120, false),
      lanInfoPage(PAGE_LAN_INFO, 5, 120, false),
      contactDataShowPage(PAGE_CONTACT_DATA_SHOW, 5, 120, false),
      resetDataPage(PAGE_RESET_DATA, 5, 120, false),
      cylinderHistoryIntervalPage(PAGE_INTERVAL_SELECTION_MENU, 5, 120, false),
      cylinderHistoryPage(PAGE_CYLINDER_HISTORY, 5, 120, false),
      stratificationIntervalPage(PAGE_INTERVAL_SELECTION_MENU, 5, 120, false),
      stratificationPage(PAGE_CYLINDER_STRATIFICATION, 5, 120, false),
      cylinderMinMaxPage(PAGE_CYLINDER_MIN_MAX, 5, 120, false),
      ventingPage(PAGE_VENTING, 0, 1200, false),
      fillingPage(PAGE_FILLING, 0, 1200, false),
      solarPumpCalibrationPage(PAGE_SOLAR_PUMP_CALIBRATION, 13, 1800, false),
      solarPumpStatusPage(PAGE_SOLAR_PUMP_STATUS, 13, 1800, false)
{
    pagemanager::Page* const pages[PAGE_OBJECT_COUNT] = {
        &startupPage,
        &mainPage,
        &mainMenuPage,
        &wizardInitPage,
        &wizardDetectedDevicesPage,
        &wizardAbsorberSurfacePage,
        &wizardSchemeMainPage,
        &wizardSchemeEditPage,
        &wizardSchemeAddPage,
        &wizardSchemeRemovePage,
        &wizardHcTypeSelectPage,
        &wizardTuningHcPage,
        &wizardTuningGasDhwPage,
        &wizardTuningSolarModulePage,
        &wizardCylinderTypePage,
        &tileSelectorPage,
        &wizardReportMenuPage,
        &wizardReportResultPage,
        &wizardReportSettingsPage,
        &heatingSelectionPage,
        &heatingMenuPage,
        &heatingComfortTempPage,
        &heatingRoomTempPage,
        &heatingReducedRoomTempPage,
        &heatingOperatingProgramPage,
        &heatingTimeProgramOverviewPage,
        &heatingTimeProgramEditPage,
        &heatingTimeProgramCopyPage,
        &heatingHolidayProgramPage,
        &heatingCurvePage,
        &dhwMenuPage,
        &dhwBaseSetpointTempPage,
        &dhwTimeProgramSelectionPage,
        &dhwTimeProgramTypePage,
        &dhwCirculationSelectionPage,
        &dhwCirculationTypePage,
        &dhwTimeProgramOverviewPage,
        &dhwTimeProgramEditPage,
        &dhwTimeProgramCopyPage,
        &dhwCirculationOverviewPage,
        &dhwCirculationEditPage,
        &dhwCirculationCopyPage,
        &favouritesMainPage,
        &favouritesManagePage,
        &bufferLoadPage,
        &bufferLoadOneTimeChargePage,
        &energyBalanceIntervalPage,
        &energyBalancePage,
        &energyBalanceNotePage,
        &energyCockpitPage,
        &boilerDetailsPage,
        &electricityIntervalPage,
        &gasIntervalPage,
        &gasDetectionImprovPage,
        &gasOverviewPage,
        &gasDetailsPage,
        &gasNotePage,
        &gasMeterReadingPage,
        &gasQualityPage,
        &electricityOverviewPage,
        &electricityDetailsPage,
        &electricityNotePage,
        &solarYieldIntervalPage,
        &solarOverviewPage,
        &solarDetailsPage,
        &testOperationPage,
        &testOperationPage2,
        &serviceExitPage,
        &settingsMenuPage,
        &languagePage,
        &screenMenuPage,
        &brightnessNormalPage,
        &brightnessStandbyPage,
        &dateTimeMenuPage,
        &datePage,
        &timePage,
        &buzzerPage,
        &lockPanelPage,
        &lockPanelEnablePage,
        &lockPanelPasswordPage,
        &lanTypePage,
        &lanStaticConfigPage,
        &lanParameterEditPage,
        &lanConnectionTestPage,
        &circuitNameSelectionPage,
        &circuitNamePage,
        &factoryDefaultsSelectionPage,
        &factoryDefaultsPage,
        &contactDataPage,
        &lanRescueUpdatePage,
        &informationMenuPage,
        &generalInfoPage,
        &circuit1InfoPage,
        &circuit2InfoPage,
        &circuit3InfoPage,
        &dhwInfoPage,
        &solarInfoPage,
        &lanInfoPage,
        &contactDataShowPage,
        &resetDataPage,
        &cylinderHistoryIntervalPage,
        &cylinderHistoryPage,
        &stratificationIntervalPage,
        &stratificationPage,
        &cylinderMinMaxPage,
        &ventingPage,
        &fillingPage,
        &solarPumpCalibrationPage,
        &solarPumpStatusPage,
    };
    for (uint16_t i = 0; i < PAGE_OBJECT_COUNT; ++i) {
        everyPage[i] = pages[i];
    }
    attachMenus();
    attachIntervalMenus();
    attachSelections();
    attachPageData();
    attachFavourites();
}

namespace
{
const uint32_t NO_BITMAP = MenuItem::NO_BITMAP;
const uint32_t NO_TEXT = MenuDescriptor::NO_TEXT;

template <uint32_t N>
MenuDescriptor menuOf(uint32_t title, uint32_t help, const MenuItem (&items)[N])
{
    return MenuDescriptor{title, help, N, items};
}

// The periods the interval entries point to: whole PARAM_INTERVAL values, 8 bytes each.
// The test-operation screen's two modes, and the information lists' settings.
const uint16_t TEST_OPERATION_FIRST = 1;
const uint16_t TEST_OPERATION_SECOND = 2;
const ListPageSetting SERVICE_EXIT_SETTING = {10, 0};
const ListPageSetting FIRST_LIST = {0, 0};
const ListPageSetting SECOND_CIRCUIT_LIST = {0, 1};
const ListPageSetting THIRD_CIRCUIT_LIST = {0, 2};

// The circuit a favourite tile opens: index 0, 1 or 2, flags cleared.
const HeatingCircuitParam CIRCUIT[3] = {{0, 0, 0, 0, {0, 0, 0}}, {1, 0, 0, 0, {0, 0, 0}}, {2, 0, 0, 0, {0, 0, 0}}};
const uint16_t WITH_CIRCUIT = 1;
const uint16_t NO_PARAM = TileItem::PARAM_NONE;

const IntervalSelection PERIOD_7_DAYS = {INTERVAL_7_DAYS, 0};
const IntervalSelection PERIOD_52_WEEKS = {INTERVAL_52_WEEKS, 0};
const IntervalSelection PERIOD_12_MONTHS = {INTERVAL_12_MONTHS, 0};
const IntervalSelection PERIOD_2_YEARS = {INTERVAL_2_YEARS, 0};
const IntervalSelection PERIOD_24_HOURS = {INTERVAL_24_HOURS, 0};
const IntervalSelection PERIOD_30_DAYS = {INTERVAL_30_DAYS, 0};

template <uint32_t N>
IntervalMenuDescriptor intervalsOf(uint32_t title, uint32_t help, const IntervalMenuItem (&items)[N])
{
    return IntervalMenuDescriptor{title, help, N, items};
}

// The four long periods of the consumption and yield charts.
void fillLongPeriods(IntervalMenuItem* items, pagemanager::Page* chart)
{
    items[0] = {877, 74, chart, &PERIOD_7_DAYS};
    items[1] = {876, 73, chart, &PERIOD_52_WEEKS};
    items[2] = {872, 71, chart, &PERIOD_12_MONTHS};
    items[3] = {873, 72, chart, &PERIOD_2_YEARS};
}

void fillCylinderPeriods(IntervalMenuItem* items, pagemanager::Page* chart)
{
    items[0] = {874, 131, chart, &PERIOD_24_HOURS};
    items[1] = {877, 135, chart, &PERIOD_7_DAYS};
    items[2] = {875, 133, chart, &PERIOD_30_DAYS};
}

template <typename Item, uint32_t N>
void fill(Item (&items)[N], std::initializer_list<Item> entries)
{
    uint32_t i = 0;
    for (const MenuItem& entry : entries) {
        items[i++] = entry;
    }
}
} // namespace

void Pages::attachMenus()
{
    fill(mainMenuItems, {
        {980, 109, &heatingSelectionPage, &device7, 0},
        {1064, 182, &testOperationPage, &always, 0},
        {1159, 120, &dhwMenuPage, &expertDhw, 0},
        {996, 123, &informationMenuPage, &device7, 0},
        {911, 168, &settingsMenuPage, &device7, 0},
        {991, NO_BITMAP, &serviceExitPage, &always, 0},
    });
    fill(heatingMenuItems, {
        {962, 114, &heatingCurvePage, &always, 0},
        {1191, 115, &heatingTimeProgramOverviewPage, &always, 0},
        {938, 119, &heatingHolidayProgramPage, &always, 0},
        {1070, 178, &heatingRoomTempPage, &always, 0},
        {1071, 179, &heatingReducedRoomTempPage, &always, 0},
    });
    fill(dhwMenuItems, {
        {1102, 180, &dhwBaseSetpointTempPage, &always, 0},
        {1192, 122, &dhwTimeProgramSelectionPage, &always, 0},
        {1193, 121, &dhwCirculationSelectionPage, &anyCirculation, 0},
    });
    fill(dhwTypeItems, {
        {828, 180, nullptr, &always, 0},
        {993, 122, &dhwTimeProgramOverviewPage, &always, 0},
    });
    fill(circulationTypeItems, {
        {828, NO_BITMAP, nullptr, &always, 0},
        {993, NO_BITMAP, &dhwCirculationOverviewPage, &always, 0},
    });
    fill(informationMenuItems, {
        {814, 124, &generalInfoPage, &always, 0},
        {964, 111, &circuit1InfoPage, &device0, 100},
        {965, 112, &circuit2InfoPage, &device1, 101},
        {966, 113, &circuit3InfoPage, &device2, 102},
        {1159, 120, &dhwInfoPage, &anyDhw, 0},
        {1201, 170, &solarInfoPage, &anySolar, 0},
        {1477, 126, &lanInfoPage, &device8, 0},
        {1081, 165, &contactDataShowPage, &always, 0},
        {869, 89, &resetDataPage, &always, 0},
    });
    fill(settingsMenuItems, {
        {1118, 128, &languagePage, &always, 0},
        {842, 149, &screenMenuPage, &always, 0},
        {871, 87, &dateTimeMenuPage, &always, 0},
        {1133, 77, &buzzerPage, &always, 0},
        {977, 110, &circuitNameSelectionPage, &always, 0},
        {1169, 161, &factoryDefaultsSelectionPage, &always, 0},
        {830, 136, &lockPanelPage, &always, 0},
        {1055, 161, &lockPanelPasswordPage, &always, 0},
        {1026, 127, &tileSelectorPage, &device41, 0},
        {1024, 126, &lanTypePage, &device8, 0},
        {907, 165, &contactDataPage, &always, 0},
        {1585, 85, &lanRescueUpdatePage, &device8, 0},
    });
    fill(screenMenuItems, {
        {983, 150, &brightnessNormalPage, &always, 0},
        {984, 151, &brightnessStandbyPage, &always, 0},
    });
    fill(dateTimeMenuItems, {
        {870, 87, &datePage, &always, 0},
        {1145, 184, &timePage, &always, 0},
    });
    mainMenu = menuOf(959, 727, mainMenuItems);
    heatingMenu = menuOf(NO_TEXT, 734, heatingMenuItems);
    dhwMenu = menuOf(1158, 784, dhwMenuItems);
    dhwTypeMenu = menuOf(NO_TEXT, NO_TEXT, dhwTypeItems);
    circulationTypeMenu = menuOf(NO_TEXT, NO_TEXT, circulationTypeItems);
    informationMenu = menuOf(996, 736, informationMenuItems);
    settingsMenu = menuOf(911, 702, settingsMenuItems);
    screenMenu = menuOf(842, 693, screenMenuItems);
    dateTimeMenu = menuOf(871, 782, dateTimeMenuItems);

    mainMenuPage.setPointerParam(pagemanager::PointerParam(&mainMenu));
    heatingMenuPage.setPointerParam(pagemanager::PointerParam(&heatingMenu));
    dhwMenuPage.setPointerParam(pagemanager::PointerParam(&dhwMenu));
    dhwTimeProgramTypePage.setPointerParam(pagemanager::PointerParam(&dhwTypeMenu));
    dhwCirculationTypePage.setPointerParam(pagemanager::PointerParam(&circulationTypeMenu));
    informationMenuPage.setPointerParam(pagemanager::PointerParam(&informationMenu));
    settingsMenuPage.setPointerParam(pagemanager::PointerParam(&settingsMenu));
    screenMenuPage.setPointerParam(pagemanager::PointerParam(&screenMenu));
    dateTimeMenuPage.setPointerParam(pagemanager::PointerParam(&dateTimeMenu));
}

void Pages::attachIntervalMenus()
{
    fillLongPeriods(energyBalanceItems, &energyBalancePage);
    fillLongPeriods(solarYieldItems, &solarOverviewPage);
    fillLongPeriods(electricityItems, &electricityOverviewPage);
    fillLongPeriods(gasItems, &gasOverviewPage);
    gasItems[4] = {908, 106, &gasDetectionImprovPage, nullptr};
    gasItems[5] = {905, 106, &gasQualityPage, nullptr};
    fillCylinderPeriods(cylinderHistoryItems, &cylinderHistoryPage);
    fillCylinderPeriods(stratificationItems, &stratificationPage);
    energyBalanceIntervals = intervalsOf(917, 708, energyBalanceItems);
    solarYieldIntervals = intervalsOf(1094, 767, solarYieldItems);
    electricityIntervals = intervalsOf(1129, 778, electricityItems);
    gasIntervals = intervalsOf(948, 722, gasItems);
    cylinderHistoryIntervals = intervalsOf(1111, 791, cylinderHistoryItems);
    stratificationIntervals = intervalsOf(1109, 789, stratificationItems);

    energyBalanceIntervalPage.setPointerParam(pagemanager::PointerParam(&energyBalanceIntervals));
    solarYieldIntervalPage.setPointerParam(pagemanager::PointerParam(&solarYieldIntervals));
    electricityIntervalPage.setPointerParam(pagemanager::PointerParam(&electricityIntervals));
    gasIntervalPage.setPointerParam(pagemanager::PointerParam(&gasIntervals));
    cylinderHistoryIntervalPage.setPointerParam(pagemanager::PointerParam(&cylinderHistoryIntervals));
    stratificationIntervalPage.setPointerParam(pagemanager::PointerParam(&stratificationIntervals));
}

void Pages::attachSelections()
{
    heatingSelection = {&heatingMenuPage, 0, 976, 732};
    dhwTimeProgramSelection = {&dhwTimeProgramTypePage, 1, 976, 730};
    dhwCirculationSelection = {&dhwCirculationTypePage, 2, 976, 730};
    circuitNameSelection = {&circuitNamePage, 0, 977, 729};
    factoryDefaultsSelection = {&factoryDefaultsPage, 0, 976, 732};
    heatingSelectionPage.setPointerParam(pagemanager::PointerParam(&heatingSelection));
    dhwTimeProgramSelectionPage.setPointerParam(pagemanager::PointerParam(&dhwTimeProgramSelection));
    dhwCirculationSelectionPage.setPointerParam(pagemanager::PointerParam(&dhwCirculationSelection));
    circuitNameSelectionPage.setPointerParam(pagemanager::PointerParam(&circuitNameSelection));
    factoryDefaultsSelectionPage.setPointerParam(pagemanager::PointerParam(&factoryDefaultsSelection));
}

void Pages::attachPageData()
{
    energyBalanceNotePair = {&energyBalancePage, &energyBalanceIntervalPage};
    gasNotePair = {&gasIntervalPage, &gasIntervalPage};
    electricityNotePair = {&electricityIntervalPage, &electricityIntervalPage};
    energyBalanceNotePage.setPointerParam(pagemanager::PointerParam(&energyBalanceNotePair));
    gasNotePage.setPointerParam(pagemanager::PointerParam(&gasNotePair));
    electricityNotePage.setPointerParam(pagemanager::PointerParam(&electricityNotePair));

    lanModuleSelector = {5, {0, 0}};
    tileSelectorPage.setPointerParam(pagemanager::PointerParam(&lanModuleSelector));
    testOperationPage.setPointerParam(pagemanager::PointerParam(&TEST_OPERATION_FIRST));
    testOperationPage2.setPointerParam(pagemanager::PointerParam(&TEST_OPERATION_SECOND));

    serviceExitPage.setPointerParam(pagemanager::PointerParam(&SERVICE_EXIT_SETTING));
    generalInfoPage.setPointerParam(pagemanager::PointerParam(&FIRST_LIST));
    circuit1InfoPage.setPointerParam(pagemanager::PointerParam(&FIRST_LIST));
    circuit2InfoPage.setPointerParam(pagemanager::PointerParam(&SECOND_CIRCUIT_LIST));
    circuit3InfoPage.setPointerParam(pagemanager::PointerParam(&THIRD_CIRCUIT_LIST));
    dhwInfoPage.setPointerParam(pagemanager::PointerParam(&FIRST_LIST));
    solarInfoPage.setPointerParam(pagemanager::PointerParam(&FIRST_LIST));
    resetDataPage.setPointerParam(pagemanager::PointerParam(&FIRST_LIST));
}

void Pages::attachFavourites()
{
    IPageProtector* circuits[3] = {&device0, &device1, &device2};
    IPageProtector* dhwPrograms[3] = {&device9, &device10, &device11};
    const char* const suffixes[3] = {" 1", " 2", " 3"};
    const uint32_t dhwTexts[3] = {1576, 1578, 1580};
    for (int i = 0; i < 3; ++i) {
        favouriteTiles[i] = {938, suffixes[i], 119, &heatingHolidayProgramPage, circuits[i], WITH_CIRCUIT, &CIRCUIT[i], 0};
        favouriteTiles[4 + i] = {dhwTexts[i], nullptr, 122, &dhwTimeProgramTypePage, dhwPrograms[i], WITH_CIRCUIT,
                                 &CIRCUIT[i], 0};
        favouriteTiles[7 + i] = {1582, suffixes[i], 115, &heatingTimeProgramOverviewPage, circuits[i], WITH_CIRCUIT,
                                 &CIRCUIT[i], 0};
    }
    favouriteTiles[3] = {909, nullptr, 146, &bufferLoadOneTimeChargePage, &always, NO_PARAM, nullptr, 0};
    favouriteTiles[10] = {917, nullptr, 98, &energyBalanceNotePage, &anyEnergyMeter, NO_PARAM, nullptr, 0};
    favouriteTiles[11] = {936, nullptr, 103, &favouritesManagePage, &always, NO_PARAM, nullptr, 1};
    favourites = {12, favouriteTiles};
    favouritesMainPage.setPointerParam(pagemanager::PointerParam(&favourites));
}
