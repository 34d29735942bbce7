#include "TimeProgramBed.hpp"

#include "gui/screens/timeprogram/TimeProgramOverviewView.hpp"
#include "gui/screens/timeprogram/TimeProgramTypeSelectionView.hpp"
#include "support/TextReading.hpp"

namespace timeprogram_test
{
namespace
{
class TypeSelection : public TimeProgramBed
{
protected:
    TimeProgramTypeSelectionView* view() { return app.screen<TimeProgramTypeSelectionView>(); }

    void choose(int32_t tile)
    {
        click(view()->getTiles().getTile(tile));
        takeCalls();
        click(view()->getBottomBar().getButton(TimeProgramTypeSelectionView::CONFIRM_BUTTON));
        app.bed.ticks(1);
    }
};

TEST_F(TypeSelection, PreselectsTheTileOfTheTypeBit)
{
    struct Case
    {
        pagemanager::Page Pages::*page;
        std::uint8_t typeByte;
        int32_t selected;
    };
    const Case cases[] = {
        {&Pages::dhwTimeProgramTypePage, 0x01, 0},
        {&Pages::dhwCirculationTypePage, 0x01, 1},
        {&Pages::dhwTimeProgramTypePage, 0x02, 1},
        {&Pages::dhwCirculationTypePage, 0x02, 0},
    };
    app.bed.deviceSends(SHARED_PROGRAMS_INDEX, std::uint8_t{0});
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        app.bed.deviceSends(TYPE_INDEX + 53, c.typeByte);
        openWith(app.pages().*c.page, 1, 0);
        ASSERT_NE(view(), nullptr);
        EXPECT_EQ(view()->getTiles().getTileCount(), 2);
        EXPECT_EQ(view()->getTiles().getSelectedTile(), c.selected);
        EXPECT_TRUE(view()->getTiles().getTile(c.selected).isChecked());
    }
}

TEST_F(TypeSelection, IndividualSendsTheCodeWithTheCircuitAndOpensThatOverview)
{
    struct Case
    {
        std::uint8_t shared;
        std::string call;
    };
    const Case cases[] = {{0, "1702"}, {1, "1700"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        app.bed.deviceSends(SHARED_PROGRAMS_INDEX, c.shared);
        app.bed.deviceSends(hotWaterIndex(2, 5), record({0x48, 0x50}));
        app.bed.deviceSends(hotWaterIndex(0, 5), record({0x20, 0x28}));
        openWith(app.pages().dhwTimeProgramTypePage, 2, 0);
        ASSERT_NE(view(), nullptr);
        choose(TimeProgramTypeSelectionView::INDIVIDUAL_TILE);
        EXPECT_EQ(takeCalls(), std::vector<std::string>{c.call});
        app.bed.ticks(1);
        EXPECT_EQ(currentPageId(), 24);
        TimeProgramOverviewView* overview = app.screen<TimeProgramOverviewView>();
        ASSERT_NE(overview, nullptr);
        const guicontrols::TimeProgramGraph& friday = overview->getRow(5).getGraph();
        ASSERT_EQ(friday.getPhaseCount(), 1);
        EXPECT_EQ(friday.getPhase(0).start.getHour(), c.shared == 0 ? 9u : 4u);
    }
}

TEST_F(TypeSelection, CirculationAutomaticSendsItsCodeAndGoesBack)
{
    app.bed.setLanguage(quillon::LANGUAGE_ENGLISH); // the panel starts in German
    app.bed.deviceSends(SHARED_PROGRAMS_INDEX, std::uint8_t{0});
    app.open(app.pages().dhwMenuPage);
    openWith(app.pages().dhwCirculationTypePage, 1, 0);
    ASSERT_NE(view(), nullptr);
    deviceLog().clear();
    choose(TimeProgramTypeSelectionView::AUTOMATIC_TILE);
    EXPECT_EQ(takeCalls(), std::vector<std::string>{"1601"});
    // and the type byte of that circuit is read again
    EXPECT_NE(std::find(deviceLog().begin(), deviceLog().end(), "R 3300"), deviceLog().end());
    ASSERT_EQ(view()->getViewMode(), &view()->getFeedbackMode());
    EXPECT_EQ(quillon::test::text(view()->getFeedbackMode().getMessageField().getText()), u"Time program mode accepted");
    click(view()->getBottomBar().getButton(FeedbackViewMode::CONTINUE_BUTTON));
    app.bed.ticks(1);
    EXPECT_EQ(currentPageId(), app.pages().dhwMenuPage.getId());
}

} // namespace
} // namespace timeprogram_test
