#include "gui/screens/info/InfoListBed.hpp"

#include "gui/pagemanager/IntervalSelection.hpp"
#include "gui/screens/cylinder/CylinderStratificationView.hpp"
#include "guicontrols/Palette.hpp"
#include "model/devices/DeviceIds.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace
{
using info::utf8;

helpers::DateTime& fixedNow()
{
    static helpers::DateTime now(2026, 3, 31, 12, 0, 0);
    return now;
}

model::TimeManager::Clock fixedClock()
{
    model::TimeManager::Clock clock = model::TimeManager::boardClock();
    clock.read = [](helpers::DateTime& value) {
        value = fixedNow();
        return true;
    };
    return clock;
}

class CylinderStratificationScreen : public ::testing::Test, public info::InfoListBed
{
protected:
    CylinderStratificationScreen() { app.bed.model().getTimeManager().useClock(fixedClock()); }

    CylinderStratificationView* openAt(std::uint8_t hour, std::uint8_t minute, std::uint32_t interval)
    {
        fixedNow() = helpers::DateTime(2026, 3, 31, hour, minute, 0);
        if (app.pageManager().getCurrentPage() == &app.pages().stratificationPage) {
            app.pageManager().back();
            app.bed.ticks(1);
        }
        app.pageManager().setParam(IntervalSelection{interval, 0});
        return openPage<CylinderStratificationView>(app.pages().stratificationPage);
    }
    // Every half hour of every day of the three series at the same depths.
    void sendDepths(std::uint8_t a, std::uint8_t b, std::uint8_t c)
    {
        model::CylinderGroup& g = groups().cylinder;
        percent_48 r1{}, r2{}, r3{};
        for (std::uint32_t s = 0; s < 48; ++s) {
            r1.bytes[s] = a;
            r2.bytes[s] = b;
            r3.bytes[s] = c;
        }
        for (std::uint32_t day = 0; day < 31; ++day) {
            app.bed.deviceSends(g.stratification3.at(day).getId(), r1);
            app.bed.deviceSends(g.stratification2.at(day).getId(), r2);
            app.bed.deviceSends(g.stratification1.at(day).getId(), r3);
        }
    }
    int pixelsOf(quillon::Color colour, std::int16_t x0, std::int16_t x1, std::int16_t y0, std::int16_t y1)
    {
        int count = 0;
        for (std::int16_t y = y0; y < y1; ++y) {
            for (std::int16_t x = x0; x < x1; ++x) {
                count += app.bed.frame().at(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }
};

TEST_F(CylinderStratificationScreen, TheCurrentSlotByTheHalfHour)
{
    struct Case
    {
        std::uint8_t hour, minute, slot;
    };
    const Case cases[] = {{0, 0, 47}, {0, 29, 47}, {0, 30, 46}, {0, 59, 46}, {12, 0, 23}, {23, 30, 0}, {23, 59, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.hour) + ":" + std::to_string(c.minute));
        EXPECT_EQ(CylinderStratificationView::currentSlot(helpers::DateTime(2026, 3, 31, c.hour, c.minute, 0)), c.slot);
    }
}

TEST_F(CylinderStratificationScreen, PointsPerIntervalAtAnyTimeOfDay)
{
    presentOnly({DEVICE_UNLOCKED});
    struct Case
    {
        std::uint32_t interval;
        std::uint16_t points;
    };
    for (const Case& c : {Case{INTERVAL_24_HOURS, 49}, Case{INTERVAL_7_DAYS, 85}, Case{INTERVAL_30_DAYS, 121}}) {
        for (std::uint8_t hour : {0, 7, 23}) {
            for (std::uint8_t minute : {0, 45}) {
                SCOPED_TRACE(std::to_string(c.interval) + " " + std::to_string(hour) + ":" + std::to_string(minute));
                CylinderStratificationView* view = openAt(hour, minute, c.interval);
                ASSERT_NE(view, nullptr);
                for (std::uint8_t curve = 0; curve < 4; ++curve) {
                    EXPECT_EQ(view->getCurve().getNumberOfPoints(curve), c.points);
                }
            }
        }
    }
}

TEST_F(CylinderStratificationScreen, ThresholdsRoundHalvesAwayFromZeroInTheLegend)
{
    presentOnly({DEVICE_UNLOCKED});
    app.bed.deviceSends(groups().cylinder.stratificationLimit1.getId(), 54.5f);
    app.bed.deviceSends(groups().cylinder.stratificationLimit2.getId(), 40.0f);
    app.bed.deviceSends(groups().cylinder.stratificationLimit3.getId(), -0.5f);
    CylinderStratificationView* view = openAt(12, 0, INTERVAL_24_HOURS);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(utf8(view->getLegendLabel(3).getText()), "≥ 55°C");
    EXPECT_EQ(utf8(view->getLegendLabel(2).getText()), "< 55°C");
    EXPECT_EQ(utf8(view->getLegendLabel(1).getText()), "< 40°C");
    EXPECT_EQ(utf8(view->getLegendLabel(0).getText()), "< -1°C");
    const quillon::Rectangle legend = view->getLegendLabel(3).getAbsoluteRect();
    EXPECT_LE(legend.x + legend.width, 800); // the whole "°C" on the display
    std::string title = utf8(const_cast<guicontrols::TopBar&>(view->getTopBar()).getTitleText());
    EXPECT_EQ(title.rfind("Cylinder temperature stratification of the last 24 Hours", 0), 0u) << title;
}

TEST_F(CylinderStratificationScreen, RedFromTheTopToCurveOneAndBlueFromCurveThreeDown)
{
    presentOnly({DEVICE_UNLOCKED});
    sendDepths(70, 50, 25); // top quarter hot, bottom 30 % cold
    CylinderStratificationView* view = openAt(12, 0, INTERVAL_24_HOURS);
    ASSERT_NE(view, nullptr);
    const quillon::Color red = guicontrols::Palette::entry(36);
    const quillon::Color blue = guicontrols::Palette::entry(33);
    // A column in the middle of the chart: the plot spans the content from y 72.
    const std::int16_t x = 350;
    int topRed = 0;
    int bottomBlue = 0;
    for (std::int16_t y = 72; y < 409; ++y) {
        topRed += app.bed.frame().at(x, y) == red ? 1 : 0;
        bottomBlue += app.bed.frame().at(x, y) == blue ? 1 : 0;
    }
    EXPECT_GT(topRed, 40);
    EXPECT_GT(bottomBlue, 40);
    EXPECT_GT(bottomBlue, topRed); // 30 % blue against 25 % red

    devices().setPresent(DEVICE_BOILER_4); // device changes alone do not redraw
    app.bed.frame().resetWrites();
    app.bed.ticks(1);
    EXPECT_EQ(view->getCurve().getNumberOfPoints(0), 49u);
}

TEST_F(CylinderStratificationScreen, AHalfHourWithAllThreeAtZeroIsAGap)
{
    presentOnly({DEVICE_UNLOCKED});
    sendDepths(0, 0, 0);
    CylinderStratificationView* view = openAt(12, 0, INTERVAL_24_HOURS);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(pixelsOf(guicontrols::Palette::entry(36), 100, 600, 72, 409), 0);
    EXPECT_EQ(pixelsOf(guicontrols::Palette::entry(33), 100, 600, 72, 409), 0);
    sendDepths(0, 0, 10); // only some at 0: drawn
    app.bed.ticks(1);
    // Series 1 and 2 at 0 put their curves at the top; series 3 at 10 % draws below them.
    EXPECT_GT(pixelsOf(guicontrols::Palette::entry(35), 100, 600, 72, 409), 100);
}
} // namespace
