#include "gui/screens/wizard/TuningBed.hpp"

#include "gui/screens/auth/AuthView.hpp"
#include "gui/screens/menu/TileSelectorView.hpp"
#include "gui/screens/wizard/WizzardTuningSolarModuleView.hpp"
#include "model/devices/DeviceIds.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace
{
using Lines = std::vector<std::u16string>;
using View = WizzardTuningSolarModuleView;

const std::uint32_t PUMP_TYPE = 622;
const std::uint32_t CYLINDER_MAXIMUM = 624;
const std::uint32_t STAGNATION = 625;
const std::uint32_t SOLAR_CONTROL = 627;
const std::uint32_t ABSORBER_SURFACE = 666;

class TuningSolar : public ::testing::Test, public screens::TuningBed
{
protected:
    TuningSolar()
    {
        app.bed.deviceSends(CYLINDER_MAXIMUM, std::uint8_t{90});
        app.bed.deviceSends(STAGNATION, std::uint8_t{5});
        app.bed.deviceSends(SOLAR_CONTROL, std::uint8_t{3});
        app.bed.deviceSends(ABSORBER_SURFACE, 12.5f);
        app.bed.ticks(1);
    }

    // The pump type first: the device manager derives the calibratable pump from it.
    View* open(std::uint8_t pumpType, std::initializer_list<std::uint32_t> flags)
    {
        app.bed.deviceSends(PUMP_TYPE, pumpType);
        app.bed.ticks(1);
        atScheme();
        presentOnly(flags);
        if (pumpType == 2) {
            devices().setPresent(DEVICE_SOLAR_PUMP_CALIBRATION);
            devices().takeChanged();
        }
        return openTuning<View>(app.pages().wizardTuningSolarModulePage);
    }
};
} // namespace

TEST_F(TuningSolar, ConfigurationAndPumpChooseTheLines)
{
    struct Case
    {
        std::uint8_t pumpType;
        std::initializer_list<std::uint32_t> flags;
        Lines lines;
    };
    const Case cases[] = {
        {0,
         {DEVICE_ZR6},
         {u"Type of the solar pump|Constant rotational speed", u"Stagnation time reduction|5 K",
          u"Cylinder maximum temperature|90°C"}},
        {2,
         {DEVICE_ZR6_B},
         {u"Type of the solar pump|PWM", u"Calibration of the solar pump", u"Stagnation time reduction|5 K",
          u"Ext solar ctrl func (with DT2)|3", u"Absorber surface|12.50 m²", u"Cylinder maximum temperature|90°C"}},
        // Any pump type but 0 reads PWM; only the PWM pump (2) is calibrated.
        {1,
         {DEVICE_ZR6},
         {u"Type of the solar pump|PWM", u"Stagnation time reduction|5 K", u"Cylinder maximum temperature|90°C"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        View* view = open(c.pumpType, c.flags);
        ASSERT_NE(view, nullptr);
        EXPECT_FALSE(view->isNotice());
        EXPECT_EQ(screens::str(view->getTopBar().getTitleField().getText()), u"Start-up Solar Module ZR6");
        EXPECT_EQ(lines(view->getList()), c.lines);
        EXPECT_EQ(view->getList().getScrollArea().getAbsoluteRect(),
                  quillon::Rectangle(30, GenericView::TOP_BAR_HEIGHT + 10, 750, 317));
    }
}

TEST_F(TuningSolar, ASolarControllerOfItsOwnGetsOnlyTheNotice)
{
    for (std::uint32_t flag : {DEVICE_HELIORA_1, DEVICE_HELIORA_2}) {
        SCOPED_TRACE(flag);
        View* view = open(2, {flag, DEVICE_ZR6_B});
        ASSERT_NE(view, nullptr);
        EXPECT_TRUE(view->isNotice());
        EXPECT_EQ(view->getViewMode(), static_cast<const IViewMode*>(&view->getNoticeMode()));
        EXPECT_EQ(view->getList().getLineCount(), 0u);
        EXPECT_EQ(screens::str(view->getNoticeMode().getMessageField().getText()),
                  u"Please, make the settings\non the Heliora.");
        const guicontrols::BottomBar& bar = view->getBottomBar();
        EXPECT_EQ(bar.getButton(5).getIcon().getId(), 210);
        clickBottomButton(bar, 5);
        EXPECT_EQ(currentId(), SCHEME_PAGE);
    }
}

TEST_F(TuningSolar, PumpTypeChosenInTheTileSelectorShowsOnReturn)
{
    View* view = open(0, {DEVICE_ZR6_B});
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->getList().getLineCount(), 4u);
    touchLine(view->getList(), view->getLine(View::PUMP_TYPE));
    EXPECT_EQ(currentId(), 15);
    const Params::TileChoice* choice = app.pageManager().getParam<Params::TileChoice>(&app.pages().wizardTuningSolarModulePage);
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->choice, 1);

    TileSelectorView* selector = app.screen<TileSelectorView>();
    ASSERT_NE(selector, nullptr);
    clickOn(selector->getTileSelector().getTile(1)); // PWM
    clickBottomButton(selector->getBottomBar(), TileSelectorView::OK_BUTTON);
    app.bed.ticks(2);
    EXPECT_EQ(currentId(), 96);
    view = app.screen<View>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(lines(view->getList()),
              (Lines{u"Type of the solar pump|PWM", u"Calibration of the solar pump", u"Stagnation time reduction|5 K",
                     u"Ext solar ctrl func (with DT2)|3", u"Absorber surface|12.50 m²",
                     u"Cylinder maximum temperature|90°C"}));
}

TEST_F(TuningSolar, CalibrationAndAbsorberLinesOpenTheirScreens)
{
    struct Case
    {
        View::Line line;
        std::uint16_t page;
    };
    const Case cases[] = {{View::CALIBRATION, 58}, {View::ABSORBER_SURFACE, 85}, {View::STAGNATION, 96},
                          {View::SOLAR_CONTROL, 96}, {View::CYLINDER_MAXIMUM, 96}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        View* view = open(2, {DEVICE_ZR6_B});
        ASSERT_NE(view, nullptr);
        forgetWrites();
        touchLine(view->getList(), view->getLine(c.line));
        EXPECT_EQ(currentId(), c.page);
        EXPECT_TRUE(writes().empty());
        if (c.page != 96) {
            app.pageManager().back();
            app.bed.ticks(2);
            EXPECT_EQ(currentId(), 96);
        }
    }
}

TEST_F(TuningSolar, CalibrationAsksForThePasswordBelowTheServiceLevel)
{
    View* view = open(2, {DEVICE_ZR6_B});
    ASSERT_NE(view, nullptr);
    app.pageManager().setAccessLevel(5);
    touchLine(view->getList(), view->getLine(View::CALIBRATION));
    EXPECT_TRUE(app.pageManager().isPasswordPending());
    EXPECT_NE(app.screen<AuthView>(), nullptr);
}
