#include "TimeProgramBed.hpp"

#include "gui/screens/timeprogram/TimeProgramCopyView.hpp"
#include "gui/screens/timeprogram/TimeProgramOverviewView.hpp"
#include "guicontrols/Palette.hpp"

namespace timeprogram_test
{
namespace
{
class Copy : public TimeProgramBed
{
protected:
    // Hot water of circuit 1, Wednesday as the source.
    void openCopyOfWednesday()
    {
        app.bed.deviceSends(hotWaterIndex(0, 2), record({0x40, 0x48}));
        openWith(app.pages().dhwTimeProgramOverviewPage, 0, 0);
        TimeProgramOverviewView* overview = app.screen<TimeProgramOverviewView>();
        ASSERT_NE(overview, nullptr);
        click(overview->getRow(2));
        click(overview->getBottomBar().getButton(TimeProgramOverviewView::COPY_BUTTON));
        app.bed.ticks(1);
        ASSERT_NE(view(), nullptr);
        deviceLog().clear();
    }

    TimeProgramCopyView* view() { return app.screen<TimeProgramCopyView>(); }

    std::vector<std::string> confirm()
    {
        deviceLog().clear();
        click(view()->getBottomBar().getButton(TimeProgramCopyView::CONFIRM_BUTTON));
        app.bed.ticks(2);
        return writes();
    }
};

TEST_F(Copy, TheSourceDayIsDimmedAndInert)
{
    openCopyOfWednesday();
    ASSERT_EQ(view()->getDayButtonCount(), 7);
    const guicontrols::CheckableButtonWithLabel& source = view()->getDayButton(2);
    EXPECT_FALSE(source.isTouchable());
    EXPECT_EQ(source.getAlpha(), 128);
    click(source);
    EXPECT_FALSE(source.isChecked());
    EXPECT_EQ(view()->getGraph().getPhaseCount(), 1);
}

TEST_F(Copy, WritesTheSourceAsTheTableHoldsItAtConfirmToTheCheckedDaysOnly)
{
    openCopyOfWednesday();
    click(view()->getDayButton(3));
    click(view()->getDayButton(4));
    click(view()->getDayButton(6));
    click(view()->getDayButton(6)); // a second click unchecks
    EXPECT_FALSE(view()->getDayButton(6).isChecked());
    app.bed.deviceSends(hotWaterIndex(0, 2), record({0x50, 0x58, 0x60, 0x68}));
    app.bed.ticks(1);
    EXPECT_EQ(view()->getGraph().getPhaseCount(), 1); // the bar keeps what was opened
    EXPECT_EQ(confirm(), (std::vector<std::string>{"W 2118 50586068FFFFFFFF", "W 2120 50586068FFFFFFFF"}));
    EXPECT_EQ(currentPageId(), 24);
}

TEST_F(Copy, NothingCheckedWritesNothingAndGoesBack)
{
    openCopyOfWednesday();
    EXPECT_TRUE(confirm().empty());
    EXPECT_EQ(currentPageId(), 24);
}

TEST_F(Copy, WithoutACircuitParameterShowsOnlyTheCaption)
{
    app.pageManager().removeParam(Params::PARAM_HEATING_CIRCUIT);
    app.open(app.pages().dhwTimeProgramCopyPage);
    app.bed.ticks(1);
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(view()->getDayButtonCount(), 0);
    EXPECT_GT(countColour(view()->getCaption(), guicontrols::Palette::entry(11)), 0u);
    EXPECT_TRUE(confirm().empty());
}

TEST_F(Copy, ACircuitOrDayOutOfRangeCopiesMondayOfTheFirstCircuit)
{
    app.bed.deviceSends(SHARED_PROGRAMS_INDEX, std::uint8_t{0});
    app.bed.deviceSends(hotWaterIndex(0, 0), record({0x48, 0x50}));
    openWith(app.pages().dhwTimeProgramCopyPage, 3, 7);
    ASSERT_NE(view(), nullptr);
    EXPECT_FALSE(view()->getDayButton(0).isTouchable());
    click(view()->getDayButton(1));
    EXPECT_EQ(confirm(), (std::vector<std::string>{"W 2108 4850FFFFFFFFFFFF"}));
}
} // namespace
} // namespace timeprogram_test
