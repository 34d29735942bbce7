#include "gui/app/FrontendHeap.hpp"
#include "gui/app/PageSwitch.hpp"
#include "gui/common/GuiTimer.hpp"
#include "gui/screens/main/MainView.hpp"
#include "gui/screens/settings/SettingsLanguageView.hpp"
#include "gui/screens/startup/StartupView.hpp"
#include "gui/pagemanager/Params.hpp"
#include "support/screen/AppTestBed.hpp"
#include "support/screen/TextFit.hpp"
#include "support/screen/ScreenTestBed.hpp"
#include "../../guicontrols/Gallery.hpp"
#include "../screens/heating/ScreenDriving.hpp" // the table's write log

#include <quillon/LanguageTable.hpp>

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

namespace
{

std::u16string shown(const quillon::WideChar* text)
{
    std::u16string result;
    while (text != nullptr && *text != 0) {
        result.push_back(static_cast<char16_t>(*text++));
    }
    return result;
}

// The real application on the headless display and the real model.
class Frontend : public ::testing::Test
{
protected:
    Frontend() : heap(bed.model()), app(heap.getApplication())
    {
        bed.frame().hal().setListener(&app);
    }
    ~Frontend() override { bed.frame().hal().setListener(nullptr); }

    bool homeShown() { return dynamic_cast<MainView*>(app.getCurrentScreen()) != nullptr; }

    test::ScreenTestBed bed;
    FrontendHeap heap;
    FrontendApplication& app;
};

struct CountingListener : gui::GuiTimer::ITimerEventListener
{
    bool onTimer(gui::GuiTimer&, uint32_t) override
    {
        ++fired;
        return true;
    }
    int fired = 0;
};

TEST_F(Frontend, TheLastShowPageBeforeAFrameIsBuiltOnce)
{
    EXPECT_EQ(app.getCurrentScreen(), nullptr); // nothing before the first frame
    bed.ticks(1);
    EXPECT_NE(dynamic_cast<StartupView*>(app.getCurrentScreen()), nullptr); // the start-up page

    app.showPage(14);
    app.showPage(72);
    bed.ticks(1);
    quillon::Screen* built = app.getCurrentScreen();
    ASSERT_NE(dynamic_cast<SettingsLanguageView*>(built), nullptr);
    EXPECT_EQ(app.getShownPageId(), 72);
    EXPECT_FALSE(app.isPageSwitchPending());

    app.showPage(97); // no such page: the screen stays
    bed.ticks(1);
    EXPECT_EQ(app.getCurrentScreen(), built);
    EXPECT_EQ(app.getShownPageId(), 72);
}

// The stem of each page id's own classes: id 72 builds a SettingsLanguageView and its
// SettingsLanguagePresenter.
const char* const VIEW_STEMS[PAGE_COUNT] = {
    "BoilerDetailsMain", // 0
    "ElectricEnergyConsumptionDetails", // 1
    "ElectricEnergyConsumptionOverview", // 2
    "GasConsumptionDetails", // 3
    "GasConsumptionDetectionImprov", // 4
    "GasConsumptionOverview", // 5
    "InputGasMeterReading", // 6
    "InputGasQuality", // 7
    "BufferLoadOneTimeCharge", // 8
    "BufferLoad", // 9
    "Auth", // 10
    "CPSelection", // 11
    "HCSelection", // 12
    "IntervalSelectionMenu", // 13
    "Menu", // 14
    "TileSelector", // 15
    "DHWBaseSetpointTemp", // 16
    "DHWCirculationTimeProgramCopy", // 17
    "DHWCirculationTimeProgramEdit", // 18
    "DHWCirculationTimeProgramOverview", // 19
    "DHWCirculationTimeProgramTypeSelection", // 20
    "DHWSelection", // 21
    "DHWTimeProgramCopy", // 22
    "DHWTimeProgramEdit", // 23
    "DHWTimeProgramOverview", // 24
    "DHWTimeProgramTypeSelection", // 25
    "EnergyBalanceNote", // 26
    "EnergyBalance", // 27
    "EnergyCockpit", // 28
    "FavouritesMain", // 29
    "FavouritesManage", // 30
    "HeatingComfortTemp", // 31
    "HeatingCurve", // 32
    "HeatingHolidayProgram", // 33
    "HeatingMenu", // 34
    "HeatingOperatingProgram", // 35
    "HeatingReducedRoomTemp", // 36
    "HeatingRoomTemp", // 37
    "HeatingTimeProgramCopy", // 38
    "HeatingTimeProgramEdit", // 39
    "HeatingTimeProgramOverview", // 40
    "ContactDataShow", // 41
    "CylinderHistory", // 42
    "CylinderMinMax", // 43
    "CylinderStratification", // 44
    "DHW", // 45
    "General", // 46
    "HCx", // 47
    "LANInfo", // 48
    "ResetData", // 49
    "Solar", // 50
    "Main", // 51
    "Startup", // 52
    "Level2Password", // 53
    "ResetPasswords", // 54
    "ServiceLevelPassword", // 55
    "SettingsLockPanelPassword", // 56
    "Filling", // 57
    "SolarPumpCalibration", // 58
    "SolarPumpStatus", // 59
    "Venting", // 60
    "ServiceExit", // 61
    "LanCardRescueUpdate", // 62
    "SettingHeatingFactoryDefaultsSelection", // 63
    "SettingsBrightnessNormal", // 64
    "SettingsBrightnessStandby", // 65
    "SettingsBuzzer", // 66
    "SettingsContactData", // 67
    "SettingsDate", // 68
    "SettingsHeatingCircuitName", // 69
    "SettingsHeatingFactoryDefaults", // 70
    "SettingsLanConnectionTest", // 71
    "SettingsLanguage", // 72
    "SettingsLanParameterEdit", // 73
    "SettingsLanStaticConfig", // 74
    "SettingsLanType", // 75
    "SettingsLockPanelEnable", // 76
    "SettingsLockPanel", // 77
    "SettingsTime", // 78
    "SolarDetails", // 79
    "SolarOverview", // 80
    "TestOperation", // 81
    "WizardReportMenu", // 82
    "WizardReportResult", // 83
    "WizardReportSettings", // 84
    "WizzardAbsorberSurface", // 85
    "WizzardCylinderType", // 86
    "WizzardDetectedDevices", // 87
    "WizzardHCTypeSelect", // 88
    "WizzardInit", // 89
    "WizzardSystemSchemeAdd", // 90
    "WizzardSystemSchemeEdit", // 91
    "WizzardSystemSchemeMain", // 92
    "WizzardSystemSchemeRemove", // 93
    "WizzardTuningGasDHW", // 94
    "WizzardTuningHC", // 95
    "WizzardTuningSolarModule", // 96
};

TEST_F(Frontend, EveryPageIdBuildsItsOwnViewAndPresenter)
{
    for (uint16_t id = 0; id < PAGE_COUNT; ++id) {
        SCOPED_TRACE(id);
        app.showPage(id);
        bed.ticks(1);
        quillon::Screen* screen = app.getCurrentScreen();
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(app.getShownPageId(), id);
        const std::string viewName = typeid(*screen).name();
        EXPECT_NE(viewName.find(std::string(VIEW_STEMS[id]) + "View"), std::string::npos) << viewName;
        quillon::Presenter* presenter = app.getCurrentPresenter();
        ASSERT_NE(presenter, nullptr);
        const std::string presenterName = typeid(*presenter).name();
        EXPECT_NE(presenterName.find(std::string(VIEW_STEMS[id]) + "Presenter"), std::string::npos) << presenterName;
    }
}

TEST_F(Frontend, PageSwitchStopsTimersAndTimerWidgetsOfTheOldScreen)
{
    app.showPage(14);
    bed.ticks(1);
    CountingListener listener;
    gui::GuiTimer timer;
    timer.start(0, &listener);
    struct TickCounter : quillon::Widget
    {
        void draw(const quillon::Rectangle&) const override {}
        quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }
        void onTick() override { ++ticked; }
        int ticked = 0;
    } widget;
    app.addTimerWidget(&widget);
    bed.ticks(2);
    EXPECT_EQ(listener.fired, 2);
    EXPECT_GT(widget.ticked, 0);
    app.showPage(34);
    bed.ticks(1); // the widgets' step comes before the switch in its frame
    const int ticked = widget.ticked;
    bed.ticks(3);
    EXPECT_EQ(listener.fired, 2); // stopped with the switch, before the timers' step
    EXPECT_EQ(widget.ticked, ticked);
}

TEST_F(Frontend, GuiTimerOfTwoSecondsFiresAfter126Frames)
{
    bed.ticks(1); // the start-up page's switch stops every timer
    CountingListener listener;
    gui::GuiTimer timer;
    timer.start(2000, &listener);
    bed.ticks(125);
    EXPECT_EQ(listener.fired, 0);
    bed.ticks(1);
    EXPECT_EQ(listener.fired, 1);
}

TEST_F(Frontend, PageManagerTicksOnFrame63ThenAfter62And63Frames)
{
    pagemanager::Page root(51, 1, 1, true); // dims at its first one-second tick
    app.getPageManager().reset();
    app.getPageManager().goTo(&root, false);
    std::vector<int> tickFrames;
    for (int frame = 1; frame <= 63 + 62 + 63 + 62; ++frame) {
        bed.ticks(1);
        if (app.isDimmed()) {
            tickFrames.push_back(frame);
            app.getPageManager().onUserActivity(); // wakes and restarts the time-out
        }
    }
    EXPECT_EQ(tickFrames, (std::vector<int>{63, 125, 188, 250}));
}

TEST_F(Frontend, LanguageAboveNineAppliesTheFirst)
{
    const uint16_t damaged = 12;
    app.setLanguage(damaged, false);
    EXPECT_EQ(quillon::LanguageTable::getLanguage(), 0);
    const uint16_t english = 1;
    app.setLanguage(english, false);
    EXPECT_EQ(quillon::LanguageTable::getLanguage(), 1);
}

TEST(FrontendStart, AStoredLanguageAboveNineAppliesTheFirst)
{
    test::ScreenTestBed bed;
    model::SettingsGroup& settings = bed.model().getGroups().settings;
    const uint32_t kept = settings.language.get();
    quillon::LanguageTable::setLanguage(1);
    settings.language.set(12); // a damaged setting
    {
        FrontendHeap heap(bed.model());
        EXPECT_EQ(quillon::LanguageTable::getLanguage(), 0);
    }
    settings.language.set(kept);
}

TEST_F(Frontend, BoilerLanguageRebuildsTheScreenButNotTheStartupOrAPendingPassword)
{
    pagemanager::Page page(72, 1, -1, true);
    app.getPageManager().goTo(&page, false);
    bed.ticks(2);
    const uint16_t english = 1;
    app.setLanguage(english, false);
    test::WriteLog log;
    auto languageWrites = [] {
        std::vector<uint8_t> codes;
        for (const test::WriteLog::Write& write : test::WriteLog::writes()) {
            if (write.address == 0x7310) { // the device's language code
                codes.push_back(write.bytes.empty() ? 0xFF : write.bytes[0]);
            }
        }
        return codes;
    };

    bed.deviceSends(267, static_cast<uint8_t>(8)); // French
    bed.ticks(1);
    EXPECT_EQ(quillon::LanguageTable::getLanguage(), 2);
    EXPECT_EQ(bed.model().getGroups().settings.language.get(), 2u);
    EXPECT_TRUE(app.isPageSwitchPending()); // rebuilt on the next frame
    bed.ticks(1);
    EXPECT_FALSE(app.isPageSwitchPending());
    bed.ticks(3);
    EXPECT_FALSE(app.isPageSwitchPending()); // the write back starts no loop
    EXPECT_EQ(languageWrites(), std::vector<uint8_t>{8}); // written back once

    bed.deviceSends(267, static_cast<uint8_t>(99)); // no panel language
    bed.ticks(1);
    EXPECT_EQ(quillon::LanguageTable::getLanguage(), 2);
    EXPECT_FALSE(app.isPageSwitchPending());

    app.setLanguage(english, false);
    bed.deviceSends(267, static_cast<uint8_t>(5)); // English, the language shown already
    bed.ticks(1);
    EXPECT_FALSE(app.isPageSwitchPending());
    EXPECT_EQ(bed.model().getGroups().settings.language.get(), 2u); // nothing stored either

    pagemanager::Page startup(52, 1, -1, false);
    app.getPageManager().goTo(&startup, false);
    bed.ticks(1);
    bed.deviceSends(267, static_cast<uint8_t>(8)); // French
    bed.ticks(1);
    EXPECT_EQ(quillon::LanguageTable::getLanguage(), 2); // the texts still switch
    EXPECT_FALSE(app.isPageSwitchPending());
}

TEST_F(Frontend, ClicksOfAnyKindWakeTheDisplayADragDoesNot)
{
    pagemanager::Page root(51, 1, 1, true);
    app.getPageManager().reset();
    app.getPageManager().goTo(&root, false);
    bed.ticks(63);
    ASSERT_TRUE(app.isDimmed());
    app.onDrag(quillon::DragEvent(quillon::DragEvent::DRAGGED, 10, 100, 60, 100));
    EXPECT_TRUE(app.isDimmed());
    for (auto type : {quillon::ClickEvent::PRESSED, quillon::ClickEvent::RELEASED, quillon::ClickEvent::CANCEL}) {
        SCOPED_TRACE(type);
        app.setDimmed(true);
        app.onClick(quillon::ClickEvent(type, 10, 100));
        EXPECT_FALSE(app.isDimmed());
    }
}

TEST_F(Frontend, CircuitNamesFromTheBoilerAreStoredAndTheDefaultAsEmpty)
{
    auto nameRecord = [](const std::u16string& text) {
        heating_circuit_name record = {};
        record.bytes[1] = static_cast<uint8_t>(text.size());
        for (size_t i = 0; i < text.size(); ++i) {
            record.bytes[2 + 2 * i] = static_cast<uint8_t>(text[i] & 0xFF);
            record.bytes[3 + 2 * i] = static_cast<uint8_t>(text[i] >> 8);
        }
        return record;
    };
    model::SettingsGroup& settings = bed.model().getGroups().settings;
    bed.deviceSends(276, nameRecord(u"Attic"));
    bed.ticks(1);
    EXPECT_EQ(shown(settings.hc2.get()), u"Attic");

    settings.hc1.set(reinterpret_cast<const quillon::WideChar*>(u"Old"));
    bed.deviceSends(275, nameRecord(u"Heizkreis 1"));
    bed.ticks(1);
    EXPECT_EQ(shown(settings.hc1.get()), u""); // titles then name the circuit by number
}

TEST_F(Frontend, RoadFromStartUpThroughTheMenuAndBackByTouch)
{
    bed.ticks(1);
    ASSERT_NE(dynamic_cast<StartupView*>(app.getCurrentScreen()), nullptr);
    Pages& pages = app.getPages();
    app.getPageManager().goTo(&pages.mainPage, true);
    bed.ticks(1);
    EXPECT_TRUE(homeShown());
    app.getPageManager().goTo(&pages.mainMenuPage, false);
    bed.ticks(1);
    ASSERT_EQ(app.getShownPageId(), pages.mainMenuPage.getId());
    const guicontrols::BottomBar& bar = dynamic_cast<GenericView&>(*app.getCurrentScreen()).getBottomBar();
    EXPECT_EQ(bar.getButton(0).getIcon().getId(), 208);
    EXPECT_EQ(bar.getButton(1).getIcon().getId(), 204);

    bed.click(200, 445); // back
    EXPECT_TRUE(app.isPageSwitchPending());
    bed.ticks(1);
    EXPECT_TRUE(homeShown());
}

TEST_F(Frontend, IdleMenuReturnsHomeThenDimsAndATouchWakes)
{
    Pages& pages = app.getPages();
    app.getPageManager().goTo(&pages.mainPage, true);
    app.getPageManager().goTo(&pages.mainMenuPage, false);
    bed.ticks(1);
    ASSERT_EQ(app.getShownPageId(), pages.mainMenuPage.getId());
    // Frames counted until each step; the page manager ticks once a counted second.
    auto framesUntil = [&](auto reached) {
        int frames = 0;
        while (!reached() && frames < 400 * 63) {
            bed.ticks(1);
            ++frames;
        }
        return frames;
    };
    const int home = framesUntil([&] { return homeShown(); });
    EXPECT_NEAR(home, 120 * 1000 / 16, 63);
    EXPECT_FALSE(app.isDimmed());
    const int dim = framesUntil([&] { return app.isDimmed(); });
    EXPECT_NEAR(dim, 300 * 1000 / 16, 63);
    EXPECT_TRUE(homeShown());
    bed.click(400, 240);
    EXPECT_FALSE(app.isDimmed());
}

} // namespace

TEST(AppTestBed, OpensAPageOnTheNextFrame)
{
    test::AppTestBed shell;
    EXPECT_NE(shell.screen<StartupView>(), nullptr);
    quillon::Screen* before = shell.app.getCurrentScreen();
    shell.app.showPage(shell.pages().mainMenuPage.getId());
    EXPECT_EQ(shell.app.getCurrentScreen(), before); // not before the frame
    shell.bed.ticks(1);
    EXPECT_EQ(shell.screen<StartupView>(), nullptr);
}

TEST(TextFit, ReportsATitleWiderThanItsField)
{
    test::AppTestBed shell;
    shell.open(shell.pages().mainMenuPage);
    GenericView* view = shell.screen<GenericView>();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(test::overwideTexts(view->getRootContainer()).empty());
    guicontrols::TextField& title = const_cast<guicontrols::TextField&>(view->getTopBar().getTitleField());
    title.setWidth(20);
    const std::vector<std::string> found = test::overwideTexts(view->getRootContainer());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NE(found[0].find("\"Hauptmenü\" is 152 px wide in a field of 20 px"), std::string::npos) << found[0];
}
