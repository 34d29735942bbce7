#include "gui/pagemanager/NavigationFakes.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/popups/PopupSystem.hpp"

#include "support/screen/ScreenTestBed.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

// The rules that raise and close popups, on the real model: the device sends a value, the
// GUI frame runs the rules.
namespace
{
const uint32_t COMMON_INFO = 288;
const uint32_t BOILER_INFO = 211;
const uint32_t TEST_OPERATION = 311;
const uint32_t FILLING_VENTING = 227;
const uint32_t CHECK_ALLOWED = 225;
const uint32_t CHECK_STATE = 953;
const uint32_t CHECK_BLOCKER = 346;
const uint32_t FIRST_ALARM = 278;

class FakeBoard : public BoardStates
{
public:
    bool isLinkOk() override { return linkOk; }
    bool isClockValid() override { return clockValid; }
    bool linkOk = true;
    bool clockValid = true;
};

class PopupRules : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A quiet device: no fault, no service, no test, no request.
        sendCommon(0, 0, 0);
        for (uint32_t index : {TEST_OPERATION, FILLING_VENTING, CHECK_ALLOWED, CHECK_STATE, CHECK_BLOCKER, 345u}) {
            bed.deviceSends(index, uint8_t{0});
        }
        sendAlarm(0);
    }

    void build()
    {
        system = std::make_unique<PopupSystem>(bed.model(), board);
        system->setNavigation(&pageManager, &pages);
    }
    // What a container's tick does with the data on the GUI task.
    void frame()
    {
        system->getData().pollBoardStates();
        system->getData().applyChanges();
    }
    // Status bytes 0..2: fault bit 2 of byte 0, service flags bits 0..3 of byte 1, wink bit 0
    // of byte 2.
    void sendCommon(uint8_t byte0, uint8_t byte1, uint8_t byte2)
    {
        common_info info{};
        info.bytes[0] = byte0;
        info.bytes[1] = byte1;
        info.bytes[2] = byte2;
        bed.deviceSends(COMMON_INFO, info);
    }
    void sendServiceCount(uint8_t count) { sendCommon(0, static_cast<uint8_t>((1u << count) - 1), 0); }
    void sendAlarm(uint8_t code)
    {
        alarm_buffer alarm{};
        alarm.bytes[0] = code;
        bed.deviceSends(FIRST_ALARM, alarm);
    }
    PopupManager& manager() { return system->getManager(); }
    uint16_t currentPageId() { return pageManager.getCurrentPage()->getId(); }

    test::ScreenTestBed bed;
    FakeBoard board;
    navtest::CallLog log;
    navtest::RecordingViewer viewer{log};
    navtest::FakePasswords passwords;
    pagemanager::PageManager pageManager{&viewer, &passwords, navtest::PAGE_AUTH};
    Pages pages{&pageManager};
    std::unique_ptr<PopupSystem> system;
};

TEST_F(PopupRules, AQuietDeviceRaisesNothing)
{
    build();
    frame();
    EXPECT_FALSE(manager().hasPopups());
    for (uint16_t id = 0; id < POPUP_COUNT; ++id) {
        EXPECT_FALSE(manager().isActive(id)) << id;
    }
}

TEST_F(PopupRules, TestOperationRaisesOnTheNextFrameAndClosesEvenAfterADismissal)
{
    build();
    bed.deviceSends(TEST_OPERATION, uint8_t{1});
    EXPECT_FALSE(manager().isActive(POPUP_TEST_OPERATION)); // only recorded so far
    frame();
    EXPECT_EQ(manager().getCurrent(), POPUP_TEST_OPERATION);

    manager().remove(POPUP_TEST_OPERATION); // dismissed
    bed.deviceSends(TEST_OPERATION, uint8_t{0});
    frame();
    EXPECT_FALSE(manager().isActive(POPUP_TEST_OPERATION));

    bed.deviceSends(TEST_OPERATION, uint8_t{1});
    frame();
    EXPECT_EQ(manager().getCurrent(), POPUP_TEST_OPERATION);
}

TEST_F(PopupRules, ADismissedServicePopupComesBackOnlyWithMoreMessages)
{
    build();
    sendServiceCount(1);
    frame();
    EXPECT_EQ(manager().getCurrent(), POPUP_SERVICE);
    EXPECT_EQ(manager().getLevel(POPUP_SERVICE), 1);
    sendServiceCount(2);
    frame();
    EXPECT_EQ(manager().getLevel(POPUP_SERVICE), 2);
    EXPECT_FALSE(manager().hasChanged()); // still shown: nothing moves

    manager().remove(POPUP_SERVICE);
    sendServiceCount(1);
    frame();
    sendServiceCount(2);
    frame();
    EXPECT_FALSE(manager().hasPopups());
    EXPECT_EQ(manager().getLevel(POPUP_SERVICE), 2);

    sendServiceCount(3);
    frame();
    EXPECT_EQ(manager().getCurrent(), POPUP_SERVICE);
    sendServiceCount(0);
    frame();
    EXPECT_FALSE(manager().isActive(POPUP_SERVICE));
}

TEST_F(PopupRules, OneServiceChangeRaisesThePopupThoughAnotherReaderTookThePointsFlag)
{
    build();
    sendServiceCount(1);
    // The screen frame reads the same status block before the popup frame runs.
    model::CommonGroup& common = bed.model().getGroups().common;
    EXPECT_EQ(common.getServiceCount(), 1u);
    EXPECT_FALSE(common.commonInfo.isChanged());
    frame();
    EXPECT_EQ(manager().getCurrent(), POPUP_SERVICE);
}

TEST_F(PopupRules, TheWinkPopupIsRaisedOnceWhileItsLevelIsAboveZero)
{
    build();
    sendCommon(0, 0, 1);
    frame();
    EXPECT_EQ(manager().getCurrent(), POPUP_WINK);
    manager().remove(POPUP_WINK);
    sendCommon(0, 0, 1);
    bed.deviceSends(TEST_OPERATION, uint8_t{0});
    frame();
    EXPECT_FALSE(manager().hasPopups());
    // The wink ends: no rule closes it.
    sendCommon(0, 0, 0);
    frame();
    EXPECT_TRUE(manager().isActive(POPUP_WINK));
    // Closed by its popup, the next wink raises it again.
    manager().close(POPUP_WINK);
    sendCommon(0, 0, 1);
    frame();
    EXPECT_EQ(manager().getCurrent(), POPUP_WINK);
}

TEST_F(PopupRules, TheClockIsJudgedOnceAtStart)
{
    board.clockValid = false;
    build();
    EXPECT_EQ(manager().getCurrent(), POPUP_RTC_ERROR);
    manager().close(POPUP_RTC_ERROR);
    board.clockValid = true;
    frame();
    board.clockValid = false;
    frame();
    bed.deviceSends(TEST_OPERATION, uint8_t{0});
    frame();
    EXPECT_FALSE(manager().isActive(POPUP_RTC_ERROR));
}

TEST_F(PopupRules, AClockThatTurnsInvalidLaterRaisesNothing)
{
    build();
    board.clockValid = false;
    frame();
    EXPECT_FALSE(manager().isActive(POPUP_RTC_ERROR));
}

TEST_F(PopupRules, ALostLinkAtStartShowsOverAFaultUntilTheLinkReturns)
{
    board.linkOk = false;
    sendCommon(0x04, 0, 0);
    build();
    EXPECT_EQ(manager().getCurrent(), POPUP_COMMUNICATION_ERROR);
    EXPECT_TRUE(manager().isActive(POPUP_FAULT));
    frame();
    EXPECT_EQ(manager().getCurrent(), POPUP_COMMUNICATION_ERROR);

    board.linkOk = true;
    frame();
    EXPECT_FALSE(manager().isActive(POPUP_COMMUNICATION_ERROR));
    EXPECT_EQ(manager().getCurrent(), POPUP_FAULT);
}

TEST_F(PopupRules, VentingOrFillingRequestsOpenTheirPageUnlessOneIsCurrent)
{
    build();
    // No page yet: nothing to leave, nothing happens.
    bed.deviceSends(FILLING_VENTING, uint8_t{1});
    frame();
    EXPECT_EQ(pageManager.getCurrentPage(), nullptr);
    EXPECT_EQ(viewer.shown, -1);

    pageManager.goTo(&pages.mainMenuPage, false);
    bed.deviceSends(FILLING_VENTING, uint8_t{0});
    frame();
    bed.deviceSends(FILLING_VENTING, uint8_t{1});
    frame();
    EXPECT_EQ(currentPageId(), pages.ventingPage.getId());
    EXPECT_EQ(pageManager.getHistorySize(), 1);

    // On the venting page a filling request stays there.
    bed.deviceSends(FILLING_VENTING, uint8_t{2});
    frame();
    EXPECT_EQ(currentPageId(), pages.ventingPage.getId());

    pageManager.goTo(&pages.mainMenuPage, false);
    bed.deviceSends(FILLING_VENTING, uint8_t{0});
    frame();
    bed.deviceSends(FILLING_VENTING, uint8_t{2});
    frame();
    EXPECT_EQ(currentPageId(), pages.fillingPage.getId());
    EXPECT_EQ(viewer.shown, pages.fillingPage.getId());
}

TEST_F(PopupRules, TheFlueGasCheckEndsInOneOfThreeWays)
{
    struct Case
    {
        const char* name;
        uint8_t state;
        uint8_t blocker;
        uint8_t alarm;
        uint16_t raised; // POPUP_NONE: still waiting
    };
    const Case cases[] = {
        {"passed", 0, 0, 0, POPUP_ADVANCED_WIZARD},
        {"failed by the alarm", 1, 0, 0xA3, POPUP_ERROR_CODE},
        {"failed, state already 0", 0, 1, 0xA3, POPUP_ERROR_CODE},
        {"still waiting", 0, 1, 0x12, POPUP_NONE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        system.reset();
        build();
        bed.deviceSends(CHECK_ALLOWED, uint8_t{1});
        bed.deviceSends(CHECK_STATE, uint8_t{1});
        frame();
        ASSERT_TRUE(system->getData().startFlueGasCheck());
        EXPECT_FALSE(system->getData().startFlueGasCheck()); // one at a time
        manager().show(POPUP_ABGAS_SENSOR, 1);

        bed.deviceSends(CHECK_BLOCKER, c.blocker);
        bed.deviceSends(CHECK_STATE, c.state);
        sendAlarm(c.alarm);
        frame();
        if (c.raised == POPUP_NONE) {
            EXPECT_EQ(manager().getCurrent(), POPUP_ABGAS_SENSOR);
            EXPECT_FALSE(manager().isActive(POPUP_ADVANCED_WIZARD));
            EXPECT_FALSE(manager().isActive(POPUP_ERROR_CODE));
        } else {
            EXPECT_EQ(manager().getCurrent(), c.raised);
            manager().remove(c.raised);
            EXPECT_FALSE(manager().hasPopups()); // 7 went
            EXPECT_TRUE(manager().isActive(POPUP_ABGAS_SENSOR)); // removed, not closed
        }
    }
}

TEST_F(PopupRules, APassedCheckMarksTheCommissioningParameter)
{
    build();
    pageManager.goTo(&pages.mainMenuPage, false);
    ASSERT_TRUE(pageManager.setParam(Params::Commissioning{0x01}));
    bed.deviceSends(CHECK_ALLOWED, uint8_t{1});
    bed.deviceSends(CHECK_STATE, uint8_t{1});
    frame();
    ASSERT_TRUE(system->getData().startFlueGasCheck());
    EXPECT_EQ(bed.model().getGroups().flueGasSensor.acknowledgement.getValue(), 1);
    bed.deviceSends(CHECK_STATE, uint8_t{0});
    frame();
    EXPECT_EQ(pageManager.getParam<Params::Commissioning>()->mask, 0x21u);
}

TEST_F(PopupRules, BoilerInformationGivesWholeDegreesAndTheSymbol)
{
    struct Case
    {
        int16_t tenths;
        int16_t degrees;
    };
    const Case cases[] = {{455, 46}, {-5, -1}, {454, 45}, {-455, -46}, {4, 0}, {0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tenths);
        EXPECT_EQ(PopupData::toWholeDegrees(c.tenths), c.degrees);
    }

    build();
    boiler_info info{};
    info.bytes[0] = 0x10;
    const uint16_t raw = static_cast<uint16_t>(int16_t{455});
    info.bytes[6] = static_cast<uint8_t>(raw & 0xFF);
    info.bytes[7] = static_cast<uint8_t>(raw >> 8);
    bed.deviceSends(BOILER_INFO, info);
    frame();
    EXPECT_EQ(system->getData().boilerTemperature, 46);
    EXPECT_TRUE(system->getData().boilerSymbolOn);
}

TEST_F(PopupRules, AConditionTrueAtStartRaisesItsPopupAtOnce)
{
    bed.deviceSends(345, uint8_t{1});
    build();
    EXPECT_EQ(manager().getCurrent(), POPUP_HYDRAULIC_BALANCING);
}
} // namespace
