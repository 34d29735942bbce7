#include "gui/screens/info/InfoListBed.hpp"

#include "gui/pagemanager/IntervalSelection.hpp"
#include "gui/screens/cylinder/CylinderMinMaxView.hpp"
#include "model/devices/DeviceIds.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace
{
using info::linesOf;
using info::utf8;

const std::uint32_t VALID_RESET = 1700000000;  // 14.11.2023
const std::uint32_t EARLIEST_VALID = 1388534400; // 01.01.2014

cylinder_min_max record(std::uint32_t time, std::int16_t collector, std::initializer_list<std::int16_t> sensors)
{
    cylinder_min_max r{};
    for (int b = 0; b < 4; ++b) {
        r.bytes[b] = static_cast<std::uint8_t>(time >> (8 * b));
    }
    r.bytes[4] = static_cast<std::uint8_t>(collector & 0xFF);
    r.bytes[5] = static_cast<std::uint8_t>((collector >> 8) & 0xFF);
    int at = 6;
    for (std::int16_t t : sensors) {
        r.bytes[at++] = static_cast<std::uint8_t>(t & 0xFF);
        r.bytes[at++] = static_cast<std::uint8_t>((t >> 8) & 0xFF);
    }
    return r;
}

class CylinderMinMaxScreen : public ::testing::Test, public info::InfoListBed
{
protected:
    // The parameter stored by the page before, as an interval menu stores it.
    CylinderMinMaxView* openView(std::uint32_t view)
    {
        if (app.pageManager().getCurrentPage() == &app.pages().cylinderMinMaxPage) {
            app.pageManager().back();
            app.bed.ticks(1);
        }
        app.pageManager().setParam(IntervalSelection{view, 0});
        return openPage<CylinderMinMaxView>(app.pages().cylinderMinMaxPage);
    }
    // The bar's segments, joined by blanks, without the blanks of absent segments.
    std::string title(CylinderMinMaxView& view)
    {
        std::string shown = utf8(const_cast<guicontrols::TopBar&>(view.getTopBar()).getTitleText());
        while (!shown.empty() && shown.back() == ' ') {
            shown.pop_back();
        }
        return shown;
    }
    void sendResetTime(std::uint32_t seconds) { app.bed.deviceSends(groups().cylinder.minMaxDate.getId(), seconds); }
    std::vector<std::uint16_t> writesTo(std::uint16_t address)
    {
        std::vector<std::uint16_t> found;
        for (const screens::DeviceWrite& w : writes()) {
            if (w.address == address) {
                found.push_back(w.value);
            }
        }
        return found;
    }
};

TEST_F(CylinderMinMaxScreen, TheCylinderMinimumOverFourSensorsSinceTheLastReset)
{
    presentOnly({DEVICE_UNLOCKED});
    sendResetTime(VALID_RESET);
    app.bed.deviceSends(groups().cylinder.cylinderMinimum.getId(),
                        record(VALID_RESET + 86400, 125, {412, 387, 305, 221, 95}));
    CylinderMinMaxView* view = openView(2);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->getView(), 2u);
    EXPECT_EQ(title(*view), "Cylinder temperature minimum last reset 14.11.2023");
    const std::vector<std::string> expected = {
        "Collector temperature: 13°C",
        "At minimum cylinder temperature: 22°C", // T4, not the lower T5 of an absent sensor
        "Time of measurement: 15.11.2023 22:13",
        "At cylinder temperatures::  +",
        "  ● T4:: 22°C +",
        "  ● T3:: 31°C +",
        "  ● T2:: 39°C +",
        "  ● T1:: 41°C +",
    };
    EXPECT_EQ(linesOf(*view).lines, expected);
    EXPECT_TRUE(view->getBottomBar().getButton(GenericView::HELP_BUTTON).isTouchable());

    devices().setPresent(DEVICE_BOILER_4);
    app.bed.deviceSends(groups().cylinder.cylinderMinimum.getId(),
                        record(VALID_RESET + 86400, 125, {412, 387, 305, 221, 96}));
    app.bed.ticks(1);
    const info::ListLines withFive = linesOf(*view);
    EXPECT_EQ(withFive.lines[1], "At minimum cylinder temperature: 10°C");
    EXPECT_EQ(withFive.lines[4], "  ● T5:: 10°C +");
    EXPECT_EQ(withFive.lines.size(), 9u);
    EXPECT_TRUE(writes().empty());
}

TEST_F(CylinderMinMaxScreen, TitlesWithoutAValidResetTimeHaveNoDate)
{
    presentOnly({DEVICE_UNLOCKED});
    struct Case
    {
        std::uint32_t view;
        std::uint32_t reset;
        const char* title;
    };
    const Case cases[] = {
        {0, VALID_RESET, "Collector temperature minimum last reset 14.11.2023"},
        {1, EARLIEST_VALID, "Collector temperature maximum last reset 01.01.2014"},
        {0, EARLIEST_VALID - 1, "Collector temperature minimum"},
        {1, 0xFFFFFFFFu, "Collector temperature maximum"},
        {3, 0, "Cylinder temperature maximum"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        sendResetTime(c.reset);
        CylinderMinMaxView* view = openView(c.view);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(title(*view), c.title);
    }
}

TEST_F(CylinderMinMaxScreen, WithoutAViewOrPastTheResetTheCollectorMinimumWithoutATitle)
{
    presentOnly({DEVICE_UNLOCKED});
    sendResetTime(0);
    app.bed.deviceSends(groups().cylinder.collectorMinimum.getId(), record(0, -35, {400, 300, 200, 100, 0}));
    for (std::uint32_t view : {5u, 9u}) {
        SCOPED_TRACE(view);
        CylinderMinMaxView* shown = openView(view);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->getView(), 0u);
        EXPECT_EQ(title(*shown), "");
        const info::ListLines list = linesOf(*shown);
        ASSERT_EQ(list.lines.size(), 7u);
        EXPECT_EQ(list.lines[0], "Collector temperature minimum: -4°C");
        EXPECT_EQ(list.lines[1], "Time of measurement: 01.01.1970 00:00"); // time 0 still shows a date
    }
}

TEST_F(CylinderMinMaxScreen, TheResetWritesOnceSaysSoAndGoesBackReadingAgain)
{
    presentOnly({DEVICE_UNLOCKED});
    app.open(app.pages().informationMenuPage);
    CylinderMinMaxView* view = openView(4);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(utf8(view->getTitle()), "Collector and cylinder min/max reset"); // the notice's title
    int titlePixels = 0;
    for (std::int16_t y = 20; y < 55; ++y) {
        for (std::int16_t x = 20; x < 500; ++x) {
            titlePixels += app.bed.frame().at(x, y) != app.bed.frame().at(790, 10) ? 1 : 0;
        }
    }
    EXPECT_GT(titlePixels, 500); // drawn in the bar
    EXPECT_EQ(view->getViewMode(), &view->getFeedbackMode());
    EXPECT_EQ(linesOf(*view).lines.size(), 0u);
    app.bed.ticks(20);
    const std::uint16_t resetAddress = dptGetAddress(CylinderMinMaxPresenter::RESET_REQUEST_INDEX);
    EXPECT_EQ(writesTo(resetAddress), std::vector<std::uint16_t>{1});
    EXPECT_EQ(writes().size(), 1u);

    bool handled = false;
    view->onFeedbackFinished(&handled);
    app.bed.ticks(1);
    EXPECT_TRUE(handled);
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().informationMenuPage);
    EXPECT_EQ(writes().size(), 1u); // nothing written on the way out
}

} // namespace
