#include "TimeProgramBed.hpp"

#include "gui/screens/timeprogram/TimeProgramEditView.hpp"
#include "gui/screens/timeprogram/TimeProgramOverviewView.hpp"
#include "support/TextReading.hpp"

namespace timeprogram_test
{
namespace
{
using Minutes = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

class Editor : public TimeProgramBed
{
protected:
    // From the week overview of heating circuit 1, as a user goes.
    void openDay(const time_point& day, std::uint8_t index = 2)
    {
        app.bed.deviceSends(heatingIndex(0, index), day);
        openWith(app.pages().heatingTimeProgramOverviewPage, 0, 0);
        TimeProgramOverviewView* overview = app.screen<TimeProgramOverviewView>();
        ASSERT_NE(overview, nullptr);
        click(overview->getRow(index));
        click(overview->getBottomBar().getButton(TimeProgramOverviewView::EDIT_BUTTON));
        app.bed.ticks(1);
        ASSERT_NE(view(), nullptr);
        deviceLog().clear();
    }

    // Back to the overview, and back from it: the next day opens on a new road.
    void leave()
    {
        app.pageManager().back();
        app.pageManager().back();
        app.bed.ticks(2);
    }

    TimeProgramEditView* view() { return app.screen<TimeProgramEditView>(); }
    guicontrols::TimeProgramEdit& editor() { return view()->getEditor(); }

    Minutes phases()
    {
        const guicontrols::TimeProgramGraph& graph = editor().getGraph();
        Minutes shown;
        for (std::uint16_t i = 0; i < graph.getPhaseCount(); ++i) {
            shown.push_back({graph.getPhase(i).start.getSecondsOfDay() / 60, graph.getPhase(i).end.getSecondsOfDay() / 60});
        }
        return shown;
    }

    void press(const quillon::Drawable& button, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            click(button);
        }
    }

    // The confirm writes, as "W <address> <bytes>"; the note is then closed.
    std::vector<std::string> confirm()
    {
        deviceLog().clear();
        click(view()->getBottomBar().getButton(TimeProgramEditView::CONFIRM_BUTTON));
        const std::vector<std::string> written = writes();
        if (view() != nullptr && view()->getViewMode() == &view()->getFeedbackMode()) {
            click(view()->getBottomBar().getButton(FeedbackViewMode::CONTINUE_BUTTON));
            app.bed.ticks(1);
        }
        return written;
    }
};

TEST_F(Editor, AFreeDayOpensEmptyAndAddStartsWithTheDefaultPhase)
{
    openDay(record({}));
    EXPECT_EQ(phases(), Minutes{});
    EXPECT_FALSE(editor().getStartEditor().isTouchable() || editor().getEndEditor().isTouchable());
    EXPECT_TRUE(editor().getAddButton().isTouchable());
    EXPECT_FALSE(editor().getRemoveButton().isTouchable());
    EXPECT_FALSE(editor().getPreviousButton().isTouchable() || editor().getNextButton().isTouchable());
    press(editor().getAddButton());
    EXPECT_EQ(phases(), (Minutes{{6 * 60, 22 * 60}}));
}

TEST_F(Editor, AddFollowsTheLastPhaseOrStartsAfterMidnight)
{
    struct Case
    {
        time_point day;
        std::pair<std::uint32_t, std::uint32_t> added;
    };
    const Case cases[] = {
        {record({0x90, 0xB8}), {10, 70}},                // ends 23:00: 23:10-24:10 would pass midnight
        {record({0x90, 0xB5}), {23 * 60, 24 * 60}},      // ends 22:50
        {record({0x48, 0x50, 0x10, 0x18}), {190, 250}},  // the last in the list, not the latest
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        openDay(c.day);
        press(editor().getAddButton());
        ASSERT_GE(phases().size(), 2u);
        EXPECT_EQ(phases().back(), c.added);
        leave();
    }
}

TEST_F(Editor, FourPhasesDisableAddAndAreWrittenWhole)
{
    openDay(record({0x30, 0x38}));
    press(editor().getAddButton(), 3);
    EXPECT_FALSE(editor().getAddButton().isTouchable());
    press(editor().getAddButton());
    EXPECT_EQ(phases().size(), 4u);
    // 06:00-07:00, then each an hour long, 10 minutes after the last
    EXPECT_EQ(confirm(), (std::vector<std::string>{"W 2010 30383941424A4B53"}));
}

TEST_F(Editor, StartAndEndKeepAPhaseTenMinutesLong)
{
    openDay(record({0x40, 0x48}));
    const guicontrols::TimeEdit& start = editor().getStartEditor();
    press(start.getHourSpinBox().getUpButton());
    press(start.getMinuteSpinBox().getUpButton(), 3);
    EXPECT_EQ(phases(), (Minutes{{9 * 60 + 30, 9 * 60 + 40}}));

    leave();
    openDay(record({0x40, 0x48}));
    press(editor().getEndEditor().getHourSpinBox().getDownButton(), 2);
    EXPECT_EQ(phases(), (Minutes{{6 * 60 + 50, 7 * 60}}));

    leave();
    openDay(record({0x00, 0x08}));
    press(editor().getEndEditor().getHourSpinBox().getDownButton());
    EXPECT_EQ(phases(), (Minutes{{0, 10}}));
}

TEST_F(Editor, WritesPhasesInListOrderAndDeletesToFreePairs)
{
    openDay(record({0x90, 0xA0}));
    press(editor().getAddButton());
    EXPECT_EQ(confirm(), (std::vector<std::string>{"W 2010 90A0A1A9FFFFFFFF"}));

    openDay(record({0x90, 0xA0, 0xA1, 0xA9}));
    press(editor().getRemoveButton()); // the first phase is the selected one
    EXPECT_EQ(confirm(), (std::vector<std::string>{"W 2010 A1A9FFFFFFFFFFFF"}));

    openDay(record({0x90, 0xA0}));
    press(editor().getRemoveButton());
    EXPECT_FALSE(editor().getRemoveButton().isTouchable());
    EXPECT_EQ(confirm(), (std::vector<std::string>{"W 2010 FFFFFFFFFFFFFFFF"}));
}

TEST_F(Editor, TitlesWithTheWeekdayAndReturnsToTheOverviewOnConfirm)
{
    app.bed.setLanguage(quillon::LANGUAGE_ENGLISH); // the panel starts in German
    openDay(record({0x30, 0xB0}));
    const std::u16string title = quillon::test::text(view()->getTopBar().getTitleField().getText());
    const std::u16string ending = u"Time program for Wednesday";
    ASSERT_GE(title.size(), ending.size());
    EXPECT_EQ(title.substr(title.size() - ending.size()), ending);
    click(view()->getBottomBar().getButton(TimeProgramEditView::CONFIRM_BUTTON));
    ASSERT_EQ(view()->getViewMode(), &view()->getFeedbackMode());
    EXPECT_EQ(quillon::test::text(view()->getFeedbackMode().getMessageField().getText()), u"Time program accepted");
    EXPECT_EQ(currentPageId(), 39);
    app.bed.ticks(FeedbackViewMode::DEFAULT_TIMEOUT_MS / FeedbackViewMode::FRAME_MS + 2); // the note closes itself
    EXPECT_EQ(currentPageId(), 40);
    ASSERT_NE(app.screen<TimeProgramOverviewView>(), nullptr);
}

TEST_F(Editor, BackDiscardsTheEdit)
{
    openDay(record({0x30, 0xB0}));
    press(editor().getAddButton());
    click(view()->getBottomBar().getButton(GenericView::BACK_BUTTON));
    app.bed.ticks(1);
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(currentPageId(), 40);
}

TEST_F(Editor, WithoutACircuitParameterStaysEmptyAndWritesNothing)
{
    app.pageManager().removeParam(Params::PARAM_HEATING_CIRCUIT);
    ASSERT_EQ(app.pageManager().getParam<HeatingCircuitParam>(), nullptr);
    app.open(app.pages().heatingTimeProgramEditPage);
    app.bed.ticks(1);
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(phases(), Minutes{});
    EXPECT_TRUE(confirm().empty());
}

TEST_F(Editor, ADayOutOfRangeEditsMonday)
{
    app.bed.deviceSends(heatingIndex(0, 0), record({0x48, 0x50}));
    openWith(app.pages().heatingTimeProgramEditPage, 5, 200);
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(phases(), (Minutes{{9 * 60, 10 * 60}}));
    EXPECT_EQ(confirm(), (std::vector<std::string>{"W 2000 4850FFFFFFFFFFFF"}));
}
} // namespace
} // namespace timeprogram_test
