#ifndef GUI_PAGES_PAGES_HPP
#define GUI_PAGES_PAGES_HPP

#include "gui/pagemanager/DeviceGroup.hpp"
#include "gui/pagemanager/Page.hpp"
#include "gui/pages/EnergyNoteCheckPage.hpp"
#include "gui/pages/DeviceProtector.hpp"
#include "gui/pagemanager/EmptyProtector.hpp"
#include "gui/pages/ExpertMultiDeviceProtector.hpp"
#include "gui/pages/HomePage.hpp"
#include "gui/pages/IntervalMenuDescriptor.hpp"
#include "gui/pages/MenuDescriptor.hpp"
#include "gui/pages/MultiDeviceProtector.hpp"
#include "gui/pages/PagePair.hpp"
#include "gui/pages/TileList.hpp"
#include "gui/pages/TileSelectorDescriptor.hpp"
#include "gui/pagemanager/ListPageSetting.hpp"
#include "gui/pages/SelectionPage.hpp"

#include <stdint.h>

namespace pagemanager
{
class PageManager;
}

// The fixed navigation graph: one object for every place a screen, a menu entry or the page
// manager can go to. Several objects may show the same screen with different attached data.
// Masks: 0 every level (the locked panel too), 1 every unlocked level, 5 basic and above,
// 13 service. Time-outs in seconds, -1 never.
class Pages
{
public:
    static constexpr uint16_t NO_HOME_ICON = 0xFFFF;
    static constexpr uint16_t PAGE_OBJECT_COUNT = 109;

    explicit Pages(pagemanager::PageManager* manager);

    // Every page object in member order, for checks over the whole tree.
    pagemanager::Page* const* all() const { return everyPage; }

    static DeviceGroup<3> circuitGroup;
    static DeviceGroup<3> dhwGroup;

    pagemanager::Page startupPage;
    HomePage mainPage;
    pagemanager::Page mainMenuPage;
    HomePage wizardInitPage;
    pagemanager::Page wizardDetectedDevicesPage;
    pagemanager::Page wizardAbsorberSurfacePage;
    pagemanager::Page wizardSchemeMainPage;
    pagemanager::Page wizardSchemeEditPage;
    pagemanager::Page wizardSchemeAddPage;
    pagemanager::Page wizardSchemeRemovePage;
    pagemanager::Page wizardHcTypeSelectPage;
    pagemanager::Page wizardTuningHcPage;
    pagemanager::Page wizardTuningGasDhwPage;
    pagemanager::Page wizardTuningSolarModulePage;
    pagemanager::Page wizardCylinderTypePage;
    pagemanager::Page tileSelectorPage;
    HomePage wizardReportMenuPage;
    pagemanager::Page wizardReportResultPage;
    pagemanager::Page wizardReportSettingsPage;
    SelectionPage heatingSelectionPage;
    pagemanager::Page heatingMenuPage;
    pagemanager::Page heatingComfortTempPage;
    pagemanager::Page heatingRoomTempPage;
    pagemanager::Page heatingReducedRoomTempPage;
    pagemanager::Page heatingOperatingProgramPage;
    pagemanager::Page heatingTimeProgramOverviewPage;
    pagemanager::Page heatingTimeProgramEditPage;
    pagemanager::Page heatingTimeProgramCopyPage;
    pagemanager::Page heatingHolidayProgramPage;
    pagemanager::Page heatingCurvePage;
    pagemanager::Page dhwMenuPage;
    pagemanager::Page dhwBaseSetpointTempPage;
    SelectionPage dhwTimeProgramSelectionPage;
    pagemanager::Page dhwTimeProgramTypePage;
    SelectionPage dhwCirculationSelectionPage;
    pagemanager::Page dhwCirculationTypePage;
    pagemanager::Page dhwTimeProgramOverviewPage;
    pagemanager::Page dhwTimeProgramEditPage;
    pagemanager::Page dhwTimeProgramCopyPage;
    pagemanager::Page dhwCirculationOverviewPage;
    pagemanager::Page dhwCirculationEditPage;
    pagemanager::Page dhwCirculationCopyPage;
    pagemanager::Page favouritesMainPage;
    pagemanager::Page favouritesManagePage;
    pagemanager::Page bufferLoadPage;
    pagemanager::Page bufferLoadOneTimeChargePage;
    pagemanager::Page energyBalanceIntervalPage;
    pagemanager::Page energyBalancePage;
    EnergyNoteCheckPage energyBalanceNotePage;
    pagemanager::Page energyCockpitPage;
    pagemanager::Page boilerDetailsPage;
    pagemanager::Page electricityIntervalPage;
    pagemanager::Page gasIntervalPage;
    pagemanager::Page gasDetectionImprovPage;
    pagemanager::Page gasOverviewPage;
    pagemanager::Page gasDetailsPage;
    EnergyNoteCheckPage gasNotePage;
    pagemanager::Page gasMeterReadingPage;
    pagemanager::Page gasQualityPage;
    pagemanager::Page electricityOverviewPage;
    pagemanager::Page electricityDetailsPage;
    EnergyNoteCheckPage electricityNotePage;
    pagemanager::Page solarYieldIntervalPage;
    pagemanager::Page solarOverviewPage;
    pagemanager::Page solarDetailsPage;
    pagemanager::Page testOperationPage;
    pagemanager::Page testOperationPage2;
    pagemanager::Page serviceExitPage;
    pagemanager::Page settingsMenuPage;
    pagemanager::Page languagePage;
    pagemanager::Page screenMenuPage;
    pagemanager::Page brightnessNormalPage;
    pagemanager::Page brightnessStandbyPage;
    pagemanager::Page dateTimeMenuPage;
    pagemanager::Page datePage;
    pagemanager::Page timePage;
    pagemanager::Page buzzerPage;
    pagemanager::Page lockPanelPage;
    pagemanager::Page lockPanelEnablePage;
    pagemanager::Page lockPanelPasswordPage;
    pagemanager::Page lanTypePage;
    pagemanager::Page lanStaticConfigPage;
    pagemanager::Page lanParameterEditPage;
    pagemanager::Page lanConnectionTestPage;
    SelectionPage circuitNameSelectionPage;
    pagemanager::Page circuitNamePage;
    SelectionPage factoryDefaultsSelectionPage;
    pagemanager::Page factoryDefaultsPage;
    pagemanager::Page contactDataPage;
    pagemanager::Page lanRescueUpdatePage;
    pagemanager::Page informationMenuPage;
    pagemanager::Page generalInfoPage;
    pagemanager::Page circuit1InfoPage;
    pagemanager::Page circuit2InfoPage;
    pagemanager::Page circuit3InfoPage;
    pagemanager::Page dhwInfoPage;
    pagemanager::Page solarInfoPage;
    pagemanager::Page lanInfoPage;
    pagemanager::Page contactDataShowPage;
    pagemanager::Page resetDataPage;
    pagemanager::Page cylinderHistoryIntervalPage;
    pagemanager::Page cylinderHistoryPage;
    pagemanager::Page stratificationIntervalPage;
    pagemanager::Page stratificationPage;
    pagemanager::Page cylinderMinMaxPage;
    pagemanager::Page ventingPage;
    pagemanager::Page fillingPage;
    pagemanager::Page solarPumpCalibrationPage;
    pagemanager::Page solarPumpStatusPage;

private:
    void attachMenus();
    void attachIntervalMenus();
    void attachSelections();
    void attachPageData();
    void attachFavourites();

    pagemanager::Page* everyPage[PAGE_OBJECT_COUNT];

    // Protectors of the menu entries, then the menus in the order of their pages.
    EmptyProtector always;
    DeviceProtector device7{7};
    DeviceProtector device0{0};
    DeviceProtector device1{1};
    DeviceProtector device2{2};
    DeviceProtector device8{8};
    DeviceProtector device41{41};
    ExpertMultiDeviceProtector expertDhw{3, 9, 10, 11};
    MultiDeviceProtector anyDhw{3, 9, 10, 11};
    MultiDeviceProtector anyCirculation{2, 51, 52};
    MultiDeviceProtector anySolar{4, 26, 27, 28, 29};

    MenuItem mainMenuItems[6];
    MenuItem heatingMenuItems[5];
    MenuItem dhwMenuItems[3];
    MenuItem dhwTypeItems[2];
    MenuItem circulationTypeItems[2];
    MenuItem informationMenuItems[9];
    MenuItem settingsMenuItems[12];
    MenuItem screenMenuItems[2];
    MenuItem dateTimeMenuItems[2];
    MenuDescriptor mainMenu;
    MenuDescriptor heatingMenu;
    MenuDescriptor dhwMenu;
    MenuDescriptor dhwTypeMenu;
    MenuDescriptor circulationTypeMenu;
    MenuDescriptor informationMenu;
    MenuDescriptor settingsMenu;
    MenuDescriptor screenMenu;
    MenuDescriptor dateTimeMenu;

    IntervalMenuItem energyBalanceItems[4];
    IntervalMenuItem solarYieldItems[4];
    IntervalMenuItem electricityItems[4];
    IntervalMenuItem gasItems[6];
    IntervalMenuItem cylinderHistoryItems[3];
    IntervalMenuItem stratificationItems[3];
    IntervalMenuDescriptor energyBalanceIntervals;
    IntervalMenuDescriptor solarYieldIntervals;
    IntervalMenuDescriptor electricityIntervals;
    IntervalMenuDescriptor gasIntervals;
    IntervalMenuDescriptor cylinderHistoryIntervals;
    IntervalMenuDescriptor stratificationIntervals;

    SelectionDescriptor heatingSelection;
    SelectionDescriptor dhwTimeProgramSelection;
    SelectionDescriptor dhwCirculationSelection;
    SelectionDescriptor circuitNameSelection;
    SelectionDescriptor factoryDefaultsSelection;

    PagePair energyBalanceNotePair;
    PagePair gasNotePair;
    PagePair electricityNotePair;
    TileSelectorDescriptor lanModuleSelector;

    DeviceProtector device9{9};
    DeviceProtector device10{10};
    DeviceProtector device11{11};
    MultiDeviceProtector anyEnergyMeter{4, 28, 29, 64, 60};
    TileItem favouriteTiles[12];
    TileList favourites;
};

#endif
