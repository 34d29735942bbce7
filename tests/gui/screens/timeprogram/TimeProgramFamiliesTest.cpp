#include "TimeProgramBed.hpp"

#include "gui/screens/timeprogram/TimeProgramEditView.hpp"
#include "gui/screens/timeprogram/TimeProgramOverviewView.hpp"

namespace timeprogram_test
{
namespace
{
class Families : public TimeProgramBed
{
protected:
    // The hour at which Monday's first phase starts on the overview of the page and circuit.
    std::uint32_t mondayStartHour(pagemanager::Page& page, std::uint16_t circuit)
    {
        openWith(page, circuit, 0);
        TimeProgramOverviewView* view = app.screen<TimeProgramOverviewView>();
        EXPECT_NE(view, nullptr);
        std::uint32_t hour = 99;
        if (view != nullptr && view->getRow(0).getGraph().getPhaseCount() > 0) {
            hour = view->getRow(0).getGraph().getPhase(0).start.getHour();
        }
        app.pageManager().back();
        app.bed.ticks(1);
        return hour;
    }

    std::vector<std::string> confirmMondayOf(pagemanager::Page& editPage)
    {
        openWith(editPage, 0, 0);
        TimeProgramEditView* view = app.screen<TimeProgramEditView>();
        EXPECT_NE(view, nullptr);
        deviceLog().clear();
        click(view->getBottomBar().getButton(TimeProgramEditView::CONFIRM_BUTTON));
        const std::vector<std::string> sent = deviceLog();
        app.bed.ticks(1);
        return sent;
    }
};

TEST_F(Families, EachKindAndCircuitReadsItsOwnRecordsUnlessHotWaterIsShared)
{
    for (std::uint32_t c = 0; c < 3; ++c) {
        app.bed.deviceSends(heatingIndex(c, 0), record({static_cast<std::uint8_t>(8 * (1 + c)), 0xB0}));
        app.bed.deviceSends(hotWaterIndex(c, 0), record({static_cast<std::uint8_t>(8 * (4 + c)), 0xB0}));
        app.bed.deviceSends(circulationIndex(c, 0), record({static_cast<std::uint8_t>(8 * (7 + c)), 0xB0}));
    }
    struct Case
    {
        pagemanager::Page Pages::*page;
        std::uint8_t shared;
        std::uint32_t hours[3];
    };
    const Case cases[] = {
        {&Pages::dhwTimeProgramOverviewPage, 0, {4, 5, 6}},
        {&Pages::dhwTimeProgramOverviewPage, 1, {4, 4, 4}},
        {&Pages::dhwCirculationOverviewPage, 0, {7, 8, 9}},
        {&Pages::dhwCirculationOverviewPage, 1, {7, 7, 7}},
        {&Pages::heatingTimeProgramOverviewPage, 1, {1, 2, 3}}, // heating never shares
    };
    for (const Case& c : cases) {
        app.bed.deviceSends(SHARED_PROGRAMS_INDEX, c.shared);
        for (std::uint16_t circuit = 0; circuit < 3; ++circuit) {
            SCOPED_TRACE(std::to_string(&c - cases) + " circuit " + std::to_string(circuit));
            EXPECT_EQ(mondayStartHour(app.pages().*c.page, circuit), c.hours[circuit]);
        }
    }
}

TEST_F(Families, AHeatingConfirmAlsoReadsTheWholeGroupAHotWaterConfirmOnlyWrites)
{
    app.bed.deviceSends(SHARED_PROGRAMS_INDEX, std::uint8_t{0});
    const std::vector<std::string> heating = confirmMondayOf(app.pages().heatingTimeProgramEditPage);
    ASSERT_FALSE(heating.empty());
    EXPECT_EQ(heating[0].substr(0, 6), "W 2000");
    // every day record of every kind and circuit, and the type bytes, are among the reads
    for (const char* read : {"R 2000", "R 2030", "R 4230", "R 3130", "R 2300", "R 4300"}) {
        EXPECT_NE(std::find(heating.begin() + 1, heating.end(), read), heating.end()) << read;
    }
    EXPECT_GT(heating.size(), 3u * 3u * 7u);

    const std::vector<std::string> hotWater = confirmMondayOf(app.pages().dhwTimeProgramEditPage);
    ASSERT_EQ(hotWater.size(), 1u);
    EXPECT_EQ(hotWater[0].substr(0, 6), "W 2100");
}
} // namespace
} // namespace timeprogram_test
