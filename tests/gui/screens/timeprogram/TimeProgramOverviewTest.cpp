#include "TimeProgramBed.hpp"

#include "gui/screens/timeprogram/HeatingTimeProgramOverviewView.hpp"
#include "gui/screens/timeprogram/TimeProgramCopyView.hpp"
#include "gui/screens/timeprogram/TimeProgramEditView.hpp"
#include "guicontrols/Palette.hpp"

namespace timeprogram_test
{
namespace
{
class Overview : public TimeProgramBed
{
protected:
    TimeProgramOverviewView* view() { return app.screen<TimeProgramOverviewView>(); }

    std::vector<std::pair<std::uint32_t, std::uint32_t>> phasesOf(std::uint8_t day)
    {
        const guicontrols::TimeProgramGraph& graph = view()->getRow(day).getGraph();
        std::vector<std::pair<std::uint32_t, std::uint32_t>> phases;
        for (std::uint16_t i = 0; i < graph.getPhaseCount(); ++i) {
            phases.push_back({graph.getPhase(i).start.getSecondsOfDay() / 60, graph.getPhase(i).end.getSecondsOfDay() / 60});
        }
        return phases;
    }
};

TEST_F(Overview, ShowsEachDaysPhasesAsTheRecordHoldsThem)
{
    struct Case
    {
        time_point record;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> minutes;
    };
    const Case cases[] = {
        {record({0x30, 0xB0}), {{6 * 60, 22 * 60}}},
        {record({0x90, 0x80}), {}},                          // on after off: no phase
        {record({0x00, 0xC0}), {{0, 24 * 60}}},
        {record({0x30, 0xC8}), {{6 * 60, 24 * 60}}},         // off past 24:00 reads as 24:00
        {record({0xC0, 0xC8}), {}},                          // both ends 24:00
        {record({0xC8, 0xD0, 0x48, 0x50}), {{9 * 60, 10 * 60}}},
        {record({}), {}},
    };
    for (std::uint8_t d = 0; d < 7; ++d) {
        app.bed.deviceSends(heatingIndex(1, d), cases[d].record);
    }
    openWith(app.pages().heatingTimeProgramOverviewPage, 1, 0);
    ASSERT_NE(view(), nullptr);
    for (std::uint8_t d = 0; d < 7; ++d) {
        SCOPED_TRACE(d);
        EXPECT_EQ(phasesOf(d), cases[d].minutes);
    }
}

TEST_F(Overview, ADeviceChangeRedrawsAllRowsWhileTheSelectionStays)
{
    openWith(app.pages().heatingTimeProgramOverviewPage, 0, 0);
    click(view()->getRow(3));
    ASSERT_EQ(view()->getSelectedDay(), 3);
    app.bed.deviceSends(heatingIndex(0, 6), record({0x48, 0x50}));
    app.bed.ticks(1);
    EXPECT_EQ(phasesOf(6), (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{9 * 60, 10 * 60}}));
    EXPECT_EQ(view()->getSelectedDay(), 3);
    EXPECT_TRUE(view()->getRow(3).getGraph().isActive());
    // Another circuit's record is not watched here.
    app.bed.deviceSends(heatingIndex(1, 6), record({}));
    app.bed.ticks(1);
    EXPECT_EQ(phasesOf(6).size(), 1u);
}

TEST_F(Overview, PassesThePickedDayToCopyAndMondayToEdit)
{
    app.open(app.pages().mainPage);
    openWith(app.pages().heatingTimeProgramOverviewPage, 2, 0);
    EXPECT_TRUE(view()->getRow(0).getGraph().isActive());
    click(view()->getRow(3));
    EXPECT_FALSE(view()->getRow(0).getGraph().isActive());
    EXPECT_TRUE(view()->getRow(3).getGraph().isActive());
    click(view()->getBottomBar().getButton(TimeProgramOverviewView::COPY_BUTTON));
    app.bed.ticks(1);
    ASSERT_NE(app.screen<TimeProgramCopyView>(), nullptr);
    HeatingCircuitParam* param = app.pageManager().getParam<HeatingCircuitParam>();
    ASSERT_NE(param, nullptr);
    EXPECT_EQ(param->circuit, 2);
    EXPECT_EQ(param->day, 3);
    EXPECT_EQ(param->readOnly, 0);
    EXPECT_EQ(param->titleByNumber, 0); // the home screen anchors the road

    app.pageManager().back();
    app.bed.ticks(2);
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(view()->getSelectedDay(), 0); // rebuilt: Monday again
    click(view()->getBottomBar().getButton(TimeProgramOverviewView::EDIT_BUTTON));
    app.bed.ticks(1);
    ASSERT_NE(app.screen<TimeProgramEditView>(), nullptr);
    EXPECT_EQ(currentPageId(), 39);
    EXPECT_EQ(app.pageManager().getParam<HeatingCircuitParam>()->day, 0);
}

TEST_F(Overview, TitlesByNumberWhenTheRoadHasNoHomeAnchor)
{
    openWith(app.pages().heatingTimeProgramOverviewPage, 0, 0);
    const guicontrols::IconLabelButton& edit = view()->getBottomBar().getButton(TimeProgramOverviewView::EDIT_BUTTON);
    EXPECT_TRUE(edit.isTouchable());
    EXPECT_GT(countColour(edit, guicontrols::Palette::entry(11)), 0u); // "Edit" drawn
    click(edit);
    app.bed.ticks(1);
    EXPECT_EQ(app.pageManager().getParam<HeatingCircuitParam>()->titleByNumber, 1);
}

TEST_F(Overview, ReadOnlyShowsOnlyHalfOpaqueBarsAndOpensNothing)
{
    openWith(app.pages().heatingTimeProgramOverviewPage, 0, 0, 1);
    for (std::uint8_t d = 0; d < 7; ++d) {
        EXPECT_FALSE(view()->getRow(d).getGraph().isActive());
    }
    click(view()->getRow(4));
    EXPECT_FALSE(view()->getRow(4).getGraph().isActive());
    EXPECT_EQ(view()->getSelectedDay(), 0);
    for (std::uint8_t id : {TimeProgramOverviewView::EDIT_BUTTON, TimeProgramOverviewView::COPY_BUTTON}) {
        const guicontrols::IconLabelButton& button = view()->getBottomBar().getButton(id);
        EXPECT_FALSE(button.isTouchable());
        EXPECT_EQ(countColour(button, guicontrols::Palette::entry(11)), 0u); // no label drawn
        click(button);
        app.bed.ticks(1);
        EXPECT_EQ(currentPageId(), 40);
    }
}

TEST_F(Overview, ADayOrCircuitOutOfRangeReadsAsTheFirst)
{
    app.bed.deviceSends(heatingIndex(0, 0), record({0x48, 0x50}));
    openWith(app.pages().heatingTimeProgramOverviewPage, 7, 9);
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(phasesOf(0), (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{9 * 60, 10 * 60}}));
    click(view()->getBottomBar().getButton(TimeProgramOverviewView::COPY_BUTTON));
    EXPECT_EQ(app.pageManager().getParam<HeatingCircuitParam>()->circuit, 0);
}
} // namespace
} // namespace timeprogram_test
