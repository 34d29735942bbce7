#include "gui/screens/info/InfoListBed.hpp"

#include "gui/pagemanager/IntervalSelection.hpp"
#include "gui/screens/cylinder/CylinderHistoryView.hpp"
#include "guicontrols/Palette.hpp"
#include "model/devices/DeviceIds.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace
{
using info::utf8;

class CylinderHistoryScreen : public ::testing::Test, public info::InfoListBed
{
protected:
    CylinderHistoryView* openWith(const IntervalSelection* selection)
    {
        if (app.pageManager().getCurrentPage() == &app.pages().cylinderHistoryPage) {
            app.pageManager().back();
            app.bed.ticks(1);
        }
        if (selection != nullptr) {
            app.pageManager().setParam(*selection);
        }
        return openPage<CylinderHistoryView>(app.pages().cylinderHistoryPage);
    }
    // Pixels of the colour inside the chart's plot area.
    int pixelsOf(quillon::Color colour)
    {
        int count = 0;
        for (std::int16_t y = 72; y < 409; ++y) {
            for (std::int16_t x = 0; x < 640; ++x) {
                count += app.bed.frame().at(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }
    // Every value of the five 24-hour series.
    void sendDay(std::int16_t t1, std::int16_t t2, std::int16_t t3, std::int16_t t4, std::int16_t t5)
    {
        const std::int16_t values[5] = {t1, t2, t3, t4, t5};
        model::CylinderGroup& c = groups().cylinder;
        model::CylinderGroup::History24* series[5] = {&c.history24_1, &c.history24_2, &c.history24_3, &c.history24_4,
                                                      &c.history24_5};
        for (int s = 0; s < 5; ++s) {
            temperature_24 record{};
            for (std::uint32_t k = 0; k < 24; ++k) {
                record.bytes[2 * k] = static_cast<std::uint8_t>(values[s] & 0xFF);
                record.bytes[2 * k + 1] = static_cast<std::uint8_t>((values[s] >> 8) & 0xFF);
            }
            app.bed.deviceSends(series[s]->getId(), record);
        }
    }
    static quillon::Color sensor(int n) { return guicontrols::Palette::entry(static_cast<std::uint8_t>(27 + n)); }
};

TEST_F(CylinderHistoryScreen, WithoutAnIntervalTheLast24HoursInOrange)
{
    presentOnly({DEVICE_UNLOCKED});
    CylinderHistoryView* view = openWith(nullptr);
    ASSERT_NE(view, nullptr);
    std::string title = utf8(const_cast<guicontrols::TopBar&>(view->getTopBar()).getTitleText());
    while (!title.empty() && title.back() == ' ') {
        title.pop_back();
    }
    EXPECT_EQ(title, "Cylinder history of the last 24 Hours");
    int orange = 0;
    for (std::int16_t y = 10; y < 62; ++y) {
        for (std::int16_t x = 300; x < 800; ++x) {
            orange += app.bed.frame().at(x, y) == guicontrols::Palette::entry(10) ? 1 : 0;
        }
    }
    EXPECT_GT(orange, 50);
    EXPECT_EQ(view->getCurve().getNumberOfPoints(0), 24u);
    EXPECT_TRUE(view->getBottomBar().getButton(GenericView::HELP_BUTTON).isTouchable());
    EXPECT_TRUE(writes().empty());
}

TEST_F(CylinderHistoryScreen, PointsPerInterval)
{
    presentOnly({DEVICE_UNLOCKED, DEVICE_BOILER_4});
    struct Case
    {
        std::uint32_t interval;
        std::uint16_t points;
    };
    for (const Case& c : {Case{INTERVAL_30_DAYS, 186}, Case{INTERVAL_7_DAYS, 96}, Case{INTERVAL_24_HOURS, 24}}) {
        SCOPED_TRACE(c.interval);
        const IntervalSelection selection{c.interval, 0};
        CylinderHistoryView* view = openWith(&selection);
        ASSERT_NE(view, nullptr);
        for (std::uint8_t curve = 0; curve < 5; ++curve) {
            EXPECT_EQ(view->getCurve().getNumberOfPoints(curve), c.points);
        }
    }
}

TEST_F(CylinderHistoryScreen, TheFifthSensorAppearsAtTheNextTickAfterItsFlag)
{
    presentOnly({DEVICE_UNLOCKED});
    sendDay(450, 400, 350, 300, 250);
    CylinderHistoryView* view = openWith(nullptr);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->getCurve().getNumberOfPoints(3), 24u);
    EXPECT_EQ(view->getCurve().getNumberOfPoints(4), 0u);
    EXPECT_FALSE(view->getLegendBox(0).isVisible());
    EXPECT_TRUE(view->getLegendBox(1).isVisible());
    EXPECT_GT(pixelsOf(sensor(1)), 100); // #46A4E3
    EXPECT_EQ(pixelsOf(sensor(5)), 0);

    devices().setPresent(DEVICE_BOILER_4);
    app.bed.ticks(1);
    EXPECT_EQ(view->getCurve().getNumberOfPoints(4), 24u);
    EXPECT_TRUE(view->getLegendBox(0).isVisible());
    EXPECT_GT(pixelsOf(sensor(5)), 100);
}

TEST_F(CylinderHistoryScreen, AllShownSensorsAtZeroDrawNoCurve)
{
    presentOnly({DEVICE_UNLOCKED});
    sendDay(0, 0, 0, 0, 370); // the fifth sensor is not shown: its value makes nothing valid
    CylinderHistoryView* view = openWith(nullptr);
    ASSERT_NE(view, nullptr);
    for (int s = 1; s <= 5; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(pixelsOf(sensor(s)), 0);
    }
    sendDay(0, 0, 0, 200, 370);
    app.bed.ticks(1);
    EXPECT_GT(pixelsOf(sensor(4)), 100);
}
} // namespace
