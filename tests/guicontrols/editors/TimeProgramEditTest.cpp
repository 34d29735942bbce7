#include "guicontrols/TimeProgramEdit.hpp"
#include "guicontrols/editors/EditorFixture.hpp"

using namespace guicontrols;
using namespace guicontrols::test;
using helpers::Time;

namespace
{
class TimeProgramEditTest : public EditorTest
{
protected:
    void press(const IconButton& button) { edit.onButtonClicked(button); }
    void add() { press(edit.getAddButton()); }
    void load(std::vector<uint8_t> day) { edit.setSwitchTimes(day.data()); }
    std::vector<uint8_t> saved()
    {
        const uint8_t* bytes = edit.getSwitchTimes();
        return std::vector<uint8_t>(bytes, bytes + 8);
    }
    Time start() const { return edit.getStartEditor().getTime(); }
    Time end() const { return edit.getEndEditor().getTime(); }
    static void step(const TimeEdit& editor, bool hours, bool up)
    {
        const SpinBox& box = hours ? editor.getHourSpinBox() : editor.getMinuteSpinBox();
        const_cast<SpinBox&>(box).onButtonClicked(up ? box.getUpButton() : box.getDownButton());
    }
    static bool enabled(const IconButton& button) { return button.isTouchable() && button.getAlpha() == 255; }

    TimeProgramEdit edit;
};
} // namespace

TEST_F(TimeProgramEditTest, LoadsADayAndAddsAfterItsLastPeriod)
{
    load({48, 176, 255, 255, 255, 255, 255, 255});
    EXPECT_EQ(edit.getGraph().getPhaseCount(), 1);
    EXPECT_EQ(edit.getGraph().getSelectedPhase(), 0);
    EXPECT_EQ(start(), Time(6, 0, 0));
    EXPECT_EQ(end(), Time(22, 0, 0));
    EXPECT_EQ(edit.getGraph().getBar(0), quillon::Rectangle(136, 4, 353, 47));
    EXPECT_EQ(edit.getGraph().getAbsoluteRect(), quillon::Rectangle(136, 53, 539, 55));
    add();
    EXPECT_EQ(edit.getSelected(), 1);
    EXPECT_EQ(edit.getGraph().getSelectedPhase(), 1);
    EXPECT_EQ(start(), Time(22, 10, 0));
    EXPECT_EQ(end(), Time(23, 10, 0));
}

TEST_F(TimeProgramEditTest, AddedPeriodsStayWithinTheDay)
{
    struct Case
    {
        std::vector<uint8_t> day;
        std::vector<uint8_t> expected;
    };
    const Case cases[] = {
        {{48, 181, 255, 255, 255, 255, 255, 255}, {48, 181, 184, 192, 255, 255, 255, 255}}, // ends 22:50
        {{48, 184, 255, 255, 255, 255, 255, 255}, {48, 184, 1, 9, 255, 255, 255, 255}},     // ends 23:00
        {{255, 255, 255, 255, 255, 255, 255, 255}, {48, 176, 255, 255, 255, 255, 255, 255}}, // first: 06:00-22:00
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.day[1]));
        load(c.day);
        add();
        EXPECT_EQ(saved(), c.expected);
    }
}

TEST_F(TimeProgramEditTest, ButtonStatesFollowThePeriodCount)
{
    load({255, 255, 255, 255, 255, 255, 255, 255});
    EXPECT_TRUE(enabled(edit.getAddButton()));
    EXPECT_FALSE(enabled(edit.getRemoveButton()));
    EXPECT_FALSE(edit.getStartEditor().getHourSpinBox().getUpButton().isTouchable());
    add();
    EXPECT_TRUE(enabled(edit.getRemoveButton()));
    EXPECT_FALSE(enabled(edit.getNextButton()));
    EXPECT_TRUE(edit.getStartEditor().getHourSpinBox().getUpButton().isTouchable());
    add();
    EXPECT_TRUE(enabled(edit.getNextButton()));
    EXPECT_TRUE(enabled(edit.getPreviousButton()));
    add();
    add();
    EXPECT_EQ(edit.getGraph().getPhaseCount(), 4);
    EXPECT_FALSE(enabled(edit.getAddButton()));
    add(); // even if a touch still arrives
    EXPECT_EQ(edit.getGraph().getPhaseCount(), 4);
}

TEST_F(TimeProgramEditTest, SelectionWrapsAndRemovalMovesItBack)
{
    load({8, 16, 24, 32, 40, 48, 255, 255});
    press(edit.getPreviousButton());
    EXPECT_EQ(edit.getSelected(), 2);
    EXPECT_EQ(start(), Time(5, 0, 0));
    press(edit.getNextButton());
    EXPECT_EQ(edit.getSelected(), 0);
    press(edit.getNextButton());
    press(edit.getRemoveButton()); // period 1 goes, the selection moves back
    EXPECT_EQ(edit.getSelected(), 0);
    EXPECT_EQ(saved(), (std::vector<uint8_t>{8, 16, 40, 48, 255, 255, 255, 255}));
    press(edit.getRemoveButton());
    press(edit.getRemoveButton());
    EXPECT_EQ(start(), Time(0, 0, 0));
    EXPECT_EQ(end(), Time(0, 0, 0));
    EXPECT_FALSE(enabled(edit.getRemoveButton()));
    EXPECT_FALSE(enabled(edit.getNextButton()));
    EXPECT_FALSE(edit.getEndEditor().getMinuteSpinBox().getDownButton().isTouchable());
    press(edit.getRemoveButton());
    EXPECT_EQ(edit.getGraph().getPhaseCount(), 0);
}

// An edited period lasts at least 10 minutes.
TEST_F(TimeProgramEditTest, StartAndEndPushEachOther)
{
    load({168, 176, 255, 255, 255, 255, 255, 255}); // 21:00-22:00
    step(edit.getStartEditor(), true, true);         // start 22:00 against end 22:00
    EXPECT_EQ(start(), Time(22, 0, 0));
    EXPECT_EQ(end(), Time(22, 10, 0));
    EXPECT_EQ(saved()[1], 177);

    load({0, 8, 255, 255, 255, 255, 255, 255}); // 00:00-01:00
    step(edit.getEndEditor(), true, false);      // end 00:00
    EXPECT_EQ(end(), Time(0, 10, 0));
    EXPECT_EQ(start(), Time(0, 0, 0));
    EXPECT_EQ(saved()[0], 0);
    EXPECT_EQ(saved()[1], 1);

    load({8, 16, 255, 255, 255, 255, 255, 255}); // 01:00-02:00
    step(edit.getEndEditor(), true, false);
    step(edit.getEndEditor(), true, false);      // end 00:00 -> 00:10, start pulled to 00:00
    EXPECT_EQ(end(), Time(0, 10, 0));
    EXPECT_EQ(start(), Time(0, 0, 0));
    EXPECT_EQ(edit.getGraph().getBar(0), edit.getGraph().phaseToRect(edit.getGraph().getPhase(0)));
}
