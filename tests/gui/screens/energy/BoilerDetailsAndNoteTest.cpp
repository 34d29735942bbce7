#include "EnergyBed.hpp"

#include "gui/pagemanager/IntervalSelection.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/screens/energy/BoilerDetailsMainView.hpp"
#include "gui/screens/energy/EnergyBalanceNoteView.hpp"
#include "gui/screens/energy/EnergyBalanceView.hpp"
#include "gui/screens/energy/EnergyCockpitView.hpp"
#include "gui/screens/menu/IntervalSelectionMenuView.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using screens::DeviceWrite;
using screens::str;

class BoilerDetails : public ::testing::Test, public test::EnergyBed
{
protected:
    BoilerDetailsMainView& open(std::initializer_list<std::uint32_t> flags)
    {
        fromHome(pages().boilerDetailsPage, flags);
        BoilerDetailsMainView* view = app.screen<BoilerDetailsMainView>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    std::u16string label(BoilerDetailsMainView& view, std::uint32_t line)
    {
        return str(view.getBaseItem(line).getTextField().getText());
    }
    std::u16string value(BoilerDetailsMainView& view, std::uint32_t line)
    {
        return str(view.getBaseItem(line).getSecondTextField().getText());
    }
};

TEST_F(BoilerDetails, FourLinesWithTheSeededValues)
{
    BoilerDetailsMainView& view = open({60});
    EXPECT_EQ(view.getListControl().getCount(), 4u);
    EXPECT_EQ(label(view, 0), u"Actual power");
    EXPECT_EQ(value(view, 0), u"10 kW");
    EXPECT_EQ(label(view, 1), u"Operating hours");
    EXPECT_EQ(value(view, 1), u"867 h");
    EXPECT_EQ(str(view.getButtonLine(0).getButton().getText()), u"Gas consumption");
    EXPECT_EQ(str(view.getButtonLine(1).getButton().getText()), u"Electricity consumption");
    EXPECT_EQ(view.getHelpText(), nullptr);
}

TEST_F(BoilerDetails, HoursAndPowerFollowTheDevice)
{
    struct Case
    {
        std::uint32_t seconds, power;
        std::u16string hours, kilowatts;
    };
    const Case cases[] = {{5400, 0, u"2 h", u"0 kW"}, {3599, 24, u"1 h", u"24 kW"}, {0, 7, u"0 h", u"7 kW"}};
    BoilerDetailsMainView& view = open({57});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        app.bed.deviceSends(test::OPERATING_SECONDS, c.seconds);
        app.bed.deviceSends(test::ACTUAL_POWER, c.power);
        app.bed.ticks(1);
        EXPECT_EQ(view.getListControl().getCount(), 4u); // always the same four lines
        EXPECT_EQ(value(view, 1), c.hours);
        EXPECT_EQ(value(view, 0), c.kilowatts);
    }
}

TEST_F(BoilerDetails, TitleIsTheBoilerModel)
{
    struct Case
    {
        std::initializer_list<std::uint32_t> flags;
        quillon::TextId title;
    };
    const Case cases[] = {{{}, 1541}, {{57}, 1541}, {{58}, 1542}, {{57, 58}, 1542}, {{59}, 1543}, {{60}, 1544}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        BoilerDetailsMainView& view = open(c.flags);
        EXPECT_EQ(str(view.getTopBar().getTitleField().getText()), str(quillon::TypedText(c.title).getText()));
    }
}

TEST_F(BoilerDetails, ConsumptionLinesLeadThroughTheirNotesToTheirMenus)
{
    struct Case
    {
        const char* name;
        std::uint32_t line;
        std::uint8_t confirmed;
        std::uint32_t flag;
        pagemanager::Page* target;
        std::uint32_t entries;
    };
    const Case cases[] = {
        {"gas, note to show", 0, 0, 57, &pages().gasNotePage, 0},
        {"gas, confirmed", 0, 1, 57, &pages().gasIntervalPage, 6},
        {"gas, confirmed with flag 60", 0, 1, 60, &pages().gasIntervalPage, 6},
        {"electricity, note to show", 1, 0, 57, &pages().electricityNotePage, 0},
        {"electricity, confirmed", 1, 2, 57, &pages().electricityIntervalPage, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.bed.deviceSends(test::NOTE_CONFIRMED, c.confirmed);
        BoilerDetailsMainView& view = open({c.flag});
        clickOn(view.getButtonLine(c.line).getButton());
        EXPECT_EQ(current(), c.target);
        if (c.entries != 0) {
            IntervalSelectionMenuView* menu = app.screen<IntervalSelectionMenuView>();
            ASSERT_NE(menu, nullptr);
            EXPECT_EQ(menu->getTileCount(), c.entries);
        }
        app.pageManager().back();
        app.bed.ticks(1);
        EXPECT_EQ(current(), &pages().boilerDetailsPage); // a redirecting note stays out of the history
    }
}

class Note : public ::testing::Test, public test::EnergyBed
{
protected:
    void SetUp() override { app.bed.deviceSends(test::NOTE_CONFIRMED, std::uint8_t{0}); }
    EnergyBalanceNoteView& fromCockpit(std::initializer_list<std::uint32_t> flags)
    {
        fromHome(pages().energyCockpitPage, flags);
        EnergyCockpitView* cockpit = app.screen<EnergyCockpitView>();
        EXPECT_NE(cockpit, nullptr);
        clickOn(cockpit->getEnergyBalanceButton());
        EnergyBalanceNoteView* note = app.screen<EnergyBalanceNoteView>();
        EXPECT_NE(note, nullptr);
        forgetWrites();
        return *note;
    }
};

TEST_F(Note, ShowsTheNoteWithOkAndCancelOnly)
{
    EnergyBalanceNoteView& note = fromCockpit({57, 9, 28});
    EXPECT_EQ(str(note.getTopBar().getTitleField().getText()), u"Note on energy balance");
    // The quoted three lines; the first is wider than the note's wrap width and breaks once.
    EXPECT_EQ(str(note.getNote().getText()), u"Please keep in mind that the following\nconsumption\n"
                                             u"displayed represent only approximate values.\n"
                                             u"For details, see the operating instructions.");
    EXPECT_EQ(str(note.getOkButton().getLabelText().getText()), u"OK");
    EXPECT_EQ(str(note.getCancelButton().getLabelText().getText()), u"Cancel");
    EXPECT_FALSE(note.getBottomBar().getButton(0).isTouchable()); // no home
    EXPECT_FALSE(note.getBottomBar().getButton(1).isTouchable()); // no back
    EXPECT_TRUE(note.getBottomBar().getButton(2).isTouchable());  // help
    EXPECT_EQ(note.getCancelButton().getX(), note.getOkButton().getX() + note.getOkButton().getWidth() + 10);
    EXPECT_EQ(note.getOkButton().getX() + note.getOkButton().getWidth(), 20 + 760 / 2 - 5);
}

TEST_F(Note, OkConfirmsAndOpensTheBalanceOrItsMenu)
{
    struct Case
    {
        const char* name;
        std::initializer_list<std::uint32_t> flags;
        pagemanager::Page* target;
    };
    const Case cases[] = {
        {"without 60 and 64: the balance", {57, 9, 28}, &pages().energyBalancePage},
        {"with 64: the menu", {57, 9, 26, 64}, &pages().energyBalanceIntervalPage},
        {"with 60: the menu", {60}, &pages().energyBalanceIntervalPage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.bed.deviceSends(test::NOTE_CONFIRMED, std::uint8_t{0});
        EnergyBalanceNoteView& note = fromCockpit(c.flags);
        app.pageManager().setParam(IntervalSelection{2, 0});
        clickOn(note.getOkButton());
        EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{0x74AA, 1}}));
        EXPECT_EQ(current(), c.target);
        if (c.target == &pages().energyBalancePage) {
            EXPECT_NE(app.screen<EnergyBalanceView>(), nullptr);
            const IntervalSelection* interval = app.pageManager().getParam<IntervalSelection>();
            ASSERT_NE(interval, nullptr);
            EXPECT_EQ(interval->interval, 0u);
        }
        app.pageManager().back();
        app.bed.ticks(1);
        EXPECT_EQ(current(), &pages().energyCockpitPage); // back skips the note
    }
}

TEST_F(Note, CancelGoesOnWithoutWritingSoTheNoteShowsAgain)
{
    EnergyBalanceNoteView& note = fromCockpit({57, 9, 28});
    clickOn(note.getCancelButton());
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(current(), &pages().energyBalancePage);
    app.pageManager().back();
    app.bed.ticks(1);
    clickOn(app.screen<EnergyCockpitView>()->getEnergyBalanceButton());
    EXPECT_EQ(current(), &pages().energyBalanceNotePage);
    EXPECT_NE(app.screen<EnergyBalanceNoteView>(), nullptr);
}

TEST_F(Note, ConfirmedNoteLeadsStraightOn)
{
    app.bed.deviceSends(test::NOTE_CONFIRMED, std::uint8_t{1});
    fromHome(pages().energyCockpitPage, {57, 9, 28});
    clickOn(app.screen<EnergyCockpitView>()->getEnergyBalanceButton());
    EXPECT_EQ(current(), &pages().energyBalancePage);
}
} // namespace
