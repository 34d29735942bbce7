#include "InfoListBed.hpp"

#include "gui/screens/infocircuit/ResetDataView.hpp"

#include <quillon/LanguageTable.hpp>

namespace infocircuit_test
{
namespace
{
using Lines = std::vector<std::string>;
using Calls = std::vector<std::string>;

class ResetDataScreen : public InfoListBed
{
protected:
    void SetUp() override
    {
        InfoListBed::SetUp();
        app.bed.setLanguage(quillon::LANGUAGE_ENGLISH);
        setFlags({}, {28, 29, 60, 64, 70});
    }

    ResetDataView& open(std::uint32_t diagnosis)
    {
        setting = {diagnosis, 0};
        ownPage.setPointerParam(pagemanager::PointerParam(&setting));
        ResetDataView& view = openPage<ResetDataView>(diagnosis == 0 ? app.pages().resetDataPage : ownPage);
        takeCalls();
        return view;
    }

    // "label = value" of every button, top to bottom.
    static Lines buttons(const ResetDataView& view)
    {
        Lines shown;
        for (std::uint32_t i = 0; i < view.getButtonCount(); ++i) {
            shown.push_back(utf8(view.getButton(i).getText()));
        }
        return shown;
    }

    // Scrolls as a user does until the button is wholly in the list, then presses it.
    void press(ResetDataView& view, std::uint32_t index)
    {
        const guicontrols::ScrollArea& area = view.getScrollArea();
        for (int step = 0; step < 20; ++step) {
            const quillon::Rectangle button = view.getButton(index).getAbsoluteRect();
            const quillon::Rectangle items = area.getItemsArea().getAbsoluteRect();
            if (button.y >= items.y && button.y + button.height <= items.y + items.height) {
                break;
            }
            click(button.y < items.y ? static_cast<const quillon::Drawable&>(area.getUpButton())
                                     : static_cast<const quillon::Drawable&>(area.getDownButton()));
        }
        click(view.getButton(index));
    }

    void answer(ResetDataView& view, std::uint8_t button) { click(view.getBottomBar().getButton(button)); }

    std::string question(ResetDataView& view) { return utf8(view.getConfirmMode().getQuestionField().getText()); }

    ListPageSetting setting = {0, 0};
    pagemanager::Page ownPage{49, 5, 120, false};
};

TEST_F(ResetDataScreen, InformationWithoutALargeSolarSystemResetsBurnerHoursAndStarts)
{
    ResetDataView& view = open(0);
    EXPECT_EQ(utf8(view.getTitle()), "Information reset data");
    EXPECT_EQ(buttons(view), (Lines{"Burner hours", "Burner starts", "All details"}));
    EXPECT_EQ(utf8(view.getButton(0).getText()), "Burner hours");

    press(view, 2);
    EXPECT_EQ(view.getViewMode(), &view.getConfirmMode());
    EXPECT_EQ(question(view), "Do you really want to reset the data?");
    answer(view, ConfirmViewMode::YES_BUTTON);
    EXPECT_EQ(callsInSentOrder(), (Calls{"20", "22"}));
    EXPECT_EQ(view.getViewMode(), &view.getFeedbackMode());
    EXPECT_EQ(utf8(view.getFeedbackMode().getMessageField().getText()), "The data have been reset.");

    answer(view, FeedbackViewMode::CONTINUE_BUTTON);
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().resetDataPage);
    EXPECT_EQ(app.screen<ResetDataView>(), &view);
    EXPECT_EQ(view.getViewMode(), &view);
    EXPECT_EQ(buttons(view), (Lines{"Burner hours", "Burner starts", "All details"}));
}

TEST_F(ResetDataScreen, EveryButtonShowsItsCounterAndRefreshesIt)
{
    solar_info record = {};
    const std::uint32_t fields[][2] = {{26, 3120}, {14, 1234}, {22, 77}, {28, 5400}, {40, 3}, {44, 4}, {36, 1799}, {32, 12}};
    for (const auto& field : fields) {
        std::memcpy(record.bytes + field[0], &field[1], field[0] == 26 ? 2 : 4);
    }
    app.bed.deviceSends(253, record);
    app.bed.deviceSends(27, 3121200u + 1799u); // 867.5 h: floored
    app.bed.deviceSends(20, 18342u);
    app.bed.deviceSends(214, -3.0f);
    setFlags({70, 28}, {}); // after the values, which the device manager follows
    ResetDataView& view = open(1);
    Lines values;
    for (std::uint32_t i = 0; i < view.getButtonCount(); ++i) {
        values.push_back(utf8(view.getButton(i).getValueText()));
    }
    EXPECT_EQ(values, (Lines{"-3°C", "867 h", "18342", "3120 h", "1234 kWh", "77", "2 h", "3", "4", "0 h", "12", ""}));

    // The device's answer after a reset reaches the button at the next tick.
    app.bed.deviceSends(20, 0u);
    app.bed.ticks(1);
    EXPECT_EQ(utf8(view.getButton(2).getValueText()), "0");
}

// The panel's whole degrees, as the General diagnosis list shows the same value: halves
// away from zero, where printf's "%.0f" would give 6 for 6.5.
TEST_F(ResetDataScreen, TheSubduedOutsideTemperatureRoundsHalvesAwayFromZero)
{
    struct Case
    {
        float sent;
        const char* shown;
    };
    const Case cases[] = {{6.5f, "7°C"},   {7.5f, "8°C"},   {0.5f, "1°C"},   {52.5f, "53°C"}, {6.4f, "6°C"},
                          {-0.5f, "-1°C"}, {-6.5f, "-7°C"}, {-7.5f, "-8°C"}, {-2.5f, "-3°C"}, {-6.4f, "-6°C"}};
    setFlags({70}, {});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        app.bed.deviceSends(214, c.sent);
        ResetDataView& view = open(1);
        ASSERT_EQ(utf8(view.getButton(0).getText()), "Subdued outside temp");
        EXPECT_EQ(utf8(view.getButton(0).getValueText()), c.shown);
    }
}

TEST_F(ResetDataScreen, DiagnosisWithEveryCounterResetsAllDetailsInItsOrder)
{
    setFlags({70, 28}, {});
    ResetDataView& view = open(1);
    EXPECT_EQ(utf8(view.getTitle()), "Diagnosis reset data");
    EXPECT_EQ(buttons(view), (Lines{"Subdued outside temp", "Burner hours", "Burner starts", "Solar circuit pump",
                                    "Solar energy", "Solar circuit pump starts", "Solar stagnation",
                                    "Incorrect circulation", "Difference temperature monitor", "ZR6 output 22",
                                    "ZR6 outp.22 starts", "All details"}));
    press(view, 11);
    EXPECT_EQ(question(view), "Do you really want to reset\nAll details?");
    answer(view, ConfirmViewMode::YES_BUTTON);
    EXPECT_EQ(callsInSentOrder(),
              (Calls{"25", "33", "32", "34", "35", "36", "20", "22", "30", "37", "31"}));
}

TEST_F(ResetDataScreen, EitherNoEnergyFlagRemovesSolarEnergyFromButtonsAndSets)
{
    for (std::uint32_t flag : {60u, 64u}) {
        SCOPED_TRACE(flag);
        setFlags({28, flag}, {});
        ResetDataView& information = open(0);
        EXPECT_EQ(buttons(information), (Lines{"Burner hours", "Burner starts", "Solar circuit pump", "ZR6 output 22",
                                               "All details"}));
        press(information, 4);
        answer(information, ConfirmViewMode::YES_BUTTON);
        EXPECT_EQ(callsInSentOrder(), (Calls{"20", "22", "30", "37"}));

        ResetDataView& diagnosis = open(1);
        Lines shown = buttons(diagnosis);
        EXPECT_EQ(std::count(shown.begin(), shown.end(), "Solar energy"), 0);
        press(diagnosis, diagnosis.getButtonCount() - 1);
        answer(diagnosis, ConfirmViewMode::YES_BUTTON);
        EXPECT_EQ(callsInSentOrder(), (Calls{"33", "32", "34", "35", "36", "20", "22", "30", "37"}));
        setFlags({}, {flag});
    }
}

TEST_F(ResetDataScreen, TheDiagnosisQuestionNamesTheCounterAndASingleResetSendsItsCode)
{
    setFlags({29}, {});
    ResetDataView& view = open(1);
    struct Case
    {
        std::uint32_t button;
        const char* question;
        const char* code;
    };
    const Case cases[] = {
        {1, "Do you really want to reset\nBurner starts?", "22"},
        {5, "Do you really want to reset\nSolar stagnation?", "32"},
        {9, "Do you really want to reset\nZR6 outp.22 starts?", "36"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question);
        press(view, c.button);
        EXPECT_EQ(question(view), c.question);
        answer(view, ConfirmViewMode::YES_BUTTON);
        EXPECT_EQ(callsInSentOrder(), Calls{c.code});
        answer(view, FeedbackViewMode::CONTINUE_BUTTON);
    }
}

TEST_F(ResetDataScreen, NoSendsNothingAndKeepsTheScrollPosition)
{
    setFlags({70, 28}, {});
    ResetDataView& view = open(1);
    press(view, 10);
    EXPECT_EQ(question(view), "Do you really want to reset\nZR6 outp.22 starts?");
    const std::uint16_t offset = view.getScrollArea().getScrollOffset();
    ASSERT_GT(offset, 0);
    answer(view, ConfirmViewMode::NO_BUTTON);
    EXPECT_EQ(callsInSentOrder(), Calls{});
    EXPECT_EQ(view.getViewMode(), &view);
    EXPECT_EQ(app.screen<ResetDataView>(), &view);
    EXPECT_EQ(view.getScrollArea().getScrollOffset(), offset);
    EXPECT_EQ(buttons(view).size(), 12u);
    // The button is where the user left it.
    const quillon::Rectangle items = view.getScrollArea().getItemsArea().getAbsoluteRect();
    EXPECT_GE(view.getButton(10).getAbsoluteRect().y, items.y);
}

TEST_F(ResetDataScreen, AFlagChangeWhileShownRebuildsTheButtonsAndWhatTheyReset)
{
    ResetDataView& view = open(0);
    ASSERT_EQ(view.getButtonCount(), 3u);
    setFlags({28}, {});
    app.bed.ticks(1);
    EXPECT_EQ(buttons(view), (Lines{"Burner hours", "Burner starts", "Solar circuit pump", "Solar energy",
                                    "ZR6 output 22", "All details"}));
    press(view, 3);
    answer(view, ConfirmViewMode::YES_BUTTON);
    EXPECT_EQ(callsInSentOrder(), Calls{"31"});
}
} // namespace
} // namespace infocircuit_test
