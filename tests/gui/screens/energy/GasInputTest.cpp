#include "GasBed.hpp"

#include "gui/screens/energy/GasConsumptionDetectionImprovView.hpp"
#include "gui/screens/energy/InputGasMeterReadingView.hpp"
#include "gui/screens/energy/InputGasQualityView.hpp"

#include <quillon/TypedText.hpp>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using screens::str;

const std::uint16_t GAS_METER_ADDRESSES[] = {0x5900, 0x5904, 0x5908, 0x590C, 0x5910, 0x5914};

std::u16string textOf(quillon::TextId id)
{
    return str(quillon::TypedText(id).getText());
}

class GasInput : public ::testing::Test, public test::GasBed
{
protected:
    GasInput() { app.bed.frame().setCounting(false); }

    template <class V>
    V& open(pagemanager::Page& page)
    {
        openFromMenu(page);
        V* view = app.screen<V>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    bool wrote(std::uint16_t address)
    {
        for (const screens::DeviceWrite& w : writes()) {
            if (w.address == address) {
                return true;
            }
        }
        return false;
    }
    // The gas meter values written, in order.
    std::vector<std::uint16_t> meterWrites()
    {
        std::vector<std::uint16_t> found;
        for (const screens::DeviceWrite& w : writes()) {
            for (std::uint16_t address : GAS_METER_ADDRESSES) {
                if (w.address == address) {
                    found.push_back(address);
                }
            }
        }
        return found;
    }
    model::GeneralGroup& general() { return groups().general; }
    bool inContent(const quillon::Drawable& d) { return d.getParent() != nullptr && d.isVisible(); }
};

// ---- gas quality ----

TEST_F(GasInput, QualityShowsSeedsTakesTypedValueAndWritesOnOk)
{
    InputGasQualityView& view = open<InputGasQualityView>(pages().gasQualityPage);
    EXPECT_EQ(str(view.getField(0).getText()), u"11.4610");
    EXPECT_EQ(str(view.getField(1).getText()), u"0.9374");
    clickOn(view.getField(0));
    ASSERT_EQ(view.getViewMode(), &view.getKeyboardMode());
    backspace(8);
    typeDigits("10.54321"); // the fifth decimal is refused
    EXPECT_EQ(str(view.getKeyboard().getText()), u"10.5432");
    backspace(3);
    clickBottomButton(view.getBottomBar(), KeyboardViewMode::ACCEPT_BUTTON);
    EXPECT_EQ(str(view.getField(0).getText()), u"10.5000");
    forgetWrites();
    clickBottomButton(view.getBottomBar(), InputGasQualityView::OK_BUTTON);
    ASSERT_EQ(writes().size(), 2u);
    EXPECT_EQ(writes()[0].address, 0x591C);
    EXPECT_EQ(writes()[1].address, 0x5918);
    EXPECT_FLOAT_EQ(general().gasQuality1.getValue(), 10.5f);
    EXPECT_FLOAT_EQ(general().gasQuality2.getValue(), 0.9374f);
    EXPECT_EQ(current(), &pages().gasIntervalPage);
}

// The integer part keeps room for the separator and four decimals within eight characters.
TEST_F(GasInput, QualityStoredZeroShowsFourDecimalsAndTheEntryIsLimited)
{
    app.bed.deviceSends(CALORIFIC_VALUE, 0.0f);
    InputGasQualityView& view = open<InputGasQualityView>(pages().gasQualityPage);
    EXPECT_EQ(str(view.getField(0).getText()), u"0.0000");
    clickOn(view.getField(0));
    backspace(6);
    typeDigits("123.45678");
    EXPECT_EQ(str(view.getKeyboard().getText()), u"12.4567");
}

// A cancel keeps the value even where the keyboard could not hold the restored text.
TEST_F(GasInput, QualityCancelKeepsTheValueAndBackWritesNothing)
{
    app.bed.deviceSends(CALORIFIC_VALUE, 123.5f); // "123.5000" is eight characters, too long to edit
    InputGasQualityView& view = open<InputGasQualityView>(pages().gasQualityPage);
    EXPECT_EQ(str(view.getField(0).getText()), u"123.5000");
    clickOn(view.getField(0));
    clickBottomButton(view.getBottomBar(), KeyboardViewMode::CANCEL_BUTTON);
    EXPECT_EQ(str(view.getField(0).getText()), u"123.5000");
    clickOn(view.getField(1));
    backspace(8);
    clickBottomButton(view.getBottomBar(), KeyboardViewMode::ACCEPT_BUTTON); // empty: 0
    EXPECT_EQ(str(view.getField(1).getText()), u"0.0000");
    forgetWrites();
    clickBottomButton(view.getBottomBar(), GenericView::BACK_BUTTON);
    EXPECT_FALSE(wrote(0x591C));
    EXPECT_FALSE(wrote(0x5918));
}

TEST_F(GasInput, QualityHomeWritesNothingAndLaterValuesAreNotShown)
{
    InputGasQualityView& view = open<InputGasQualityView>(pages().gasQualityPage);
    app.bed.deviceSends(CALORIFIC_VALUE, 9.25f);
    app.bed.ticks(3);
    EXPECT_EQ(str(view.getField(0).getText()), u"11.4610");
    forgetWrites();
    clickBottomButton(view.getBottomBar(), GenericView::HOME_BUTTON);
    EXPECT_FALSE(wrote(0x591C));
    EXPECT_FALSE(wrote(0x5918));
}

// ---- gas meter readings ----

// What the screen shows on entry, by the readings stored then.
TEST_F(GasInput, ReadingStatesAtEntry)
{
    struct Case
    {
        const char* name;
        std::uint32_t first, firstDate, second, secondDate;
        std::u16string label0, value0, label1, value1, entry;
        bool rowTwoAsText, entryShown, buttons;
        quillon::TextId help;
    };
    const std::uint32_t nov2023 = 1700000000u; // 14.11.2023
    const std::uint32_t mar2024 = 1710000000u; // 09.03.2024
    const Case cases[] = {
        {"none", 0, 0, 0, 0, u"1.   14.03.2026", u"", u"", u"", u"0", false, true, false, 697},
        {"first", 1234567, nov2023, 0, 0, u"1.   14.11.2023", u"1234567", u"2.   14.03.2026", u"", u"0", false, true,
         false, 697},
        // Never signed: the largest readings show as they are.
        {"both", 4000000000u, nov2023, 4294967295u, mar2024, u"1.   14.11.2023", u"4000000000", u"2.   09.03.2024",
         u"4294967295", u"", true, false, true, 698},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        storeReadings(c.first, c.firstDate, 5, c.second, c.secondDate, 6);
        InputGasMeterReadingView& view = open<InputGasMeterReadingView>(pages().gasMeterReadingPage);
        app.bed.ticks(1);
        EXPECT_EQ(str(view.getRowLabel(0).getText()), c.label0);
        EXPECT_EQ(inContent(view.getEntryField()), c.entryShown);
        if (c.entryShown) {
            EXPECT_EQ(str(view.getEntryField().getText()), c.entry);
        }
        if (c.first != 0) {
            EXPECT_EQ(str(view.getRowValue(0).getText()), c.value0);
            EXPECT_EQ(str(view.getRowLabel(1).getText()), c.label1);
            EXPECT_EQ(inContent(view.getRowValue(1)), c.rowTwoAsText);
        } else {
            EXPECT_FALSE(inContent(view.getRowLabel(1)));
        }
        if (c.rowTwoAsText) {
            EXPECT_EQ(str(view.getRowValue(1).getText()), c.value1);
        }
        EXPECT_EQ(inContent(view.getMoveButton()), c.buttons);
        EXPECT_EQ(inContent(view.getChangeButton()), c.buttons);
        EXPECT_EQ(str(view.getHelpText()), textOf(c.help));
        EXPECT_EQ(str(view.getTopBar().getTitleField().getText()), u"Recording gas meter reading");
        clickBottomButton(view.getBottomBar(), GenericView::BACK_BUTTON);
    }
}

// The entry in state 0: seven digits at most, an empty accept stays, back keeps the text; OK
// sends all six values in their order, the snapshot as the counter stood at entry and values
// that came later neither shown nor sent.
TEST_F(GasInput, FirstReadingTypedAndAllSixWrittenInOrder)
{
    storeReadings(0, 0, 0, 0, 0, 0);
    app.bed.deviceSends(COUNTER, 4711u);
    InputGasMeterReadingView& view = open<InputGasMeterReadingView>(pages().gasMeterReadingPage);
    app.bed.deviceSends(COUNTER, 5000u);
    app.bed.ticks(2);
    clickOn(view.getEntryField());
    ASSERT_EQ(view.getViewMode(), &view.getKeyboardMode());
    backspace(1);
    clickBottomButton(view.getBottomBar(), KeyboardViewMode::ACCEPT_BUTTON);
    EXPECT_EQ(view.getViewMode(), &view.getKeyboardMode()) << "an empty accept closed the keyboard";
    typeDigits("12345678");
    EXPECT_EQ(str(view.getKeyboardMode().getKeyboard().getText()), u"1234567");
    clickBottomButton(view.getBottomBar(), KeyboardViewMode::ACCEPT_BUTTON);
    ASSERT_NE(view.getViewMode(), &view.getKeyboardMode());
    EXPECT_EQ(str(view.getEntryField().getText()), u"1234567");

    clickOn(view.getEntryField());
    typeDigits("9");
    clickBottomButton(view.getBottomBar(), KeyboardViewMode::CANCEL_BUTTON);
    EXPECT_EQ(str(view.getEntryField().getText()), u"1234567");

    app.bed.deviceSends(READING_2, 999u);
    app.bed.ticks(2);
    forgetWrites();
    clickBottomButton(view.getBottomBar(), InputGasMeterReadingView::OK_BUTTON);
    const std::vector<std::uint16_t> order = {0x5910, 0x5904, 0x5914, 0x5908, 0x590C, 0x5900};
    EXPECT_EQ(meterWrites(), order);
    EXPECT_EQ(general().gasMeter230.getValue(), 1234567u);
    EXPECT_EQ(general().gasMeter231.getValue(), 4711u);
    EXPECT_EQ(general().gasMeter229.getValue(), todaySeconds());
    EXPECT_EQ(general().gasMeter233.getValue(), 0u) << "the reading that came later was sent";
    EXPECT_EQ(current(), &pages().gasIntervalPage);
}

TEST_F(GasInput, ReadingOkAtOnceWritesZeroWithTodayAndBackOrHomeWriteNothing)
{
    storeReadings(0, 0, 0, 0, 0, 0);
    for (std::uint8_t button : {GenericView::BACK_BUTTON, GenericView::HOME_BUTTON}) {
        SCOPED_TRACE(static_cast<int>(button));
        InputGasMeterReadingView& view = open<InputGasMeterReadingView>(pages().gasMeterReadingPage);
        forgetWrites();
        clickBottomButton(view.getBottomBar(), button);
        EXPECT_EQ(meterWrites(), std::vector<std::uint16_t>{});
    }
    InputGasMeterReadingView& view = open<InputGasMeterReadingView>(pages().gasMeterReadingPage);
    forgetWrites();
    clickBottomButton(view.getBottomBar(), InputGasMeterReadingView::OK_BUTTON);
    EXPECT_EQ(meterWrites().size(), 6u);
    EXPECT_EQ(general().gasMeter230.getValue(), 0u);
    EXPECT_EQ(general().gasMeter229.getValue(), todaySeconds());
}

TEST_F(GasInput, BothReadingsMoveSecondToFirst)
{
    storeReadings(100, 1700000000u, 55, 250, 1710000000u, 77);
    InputGasMeterReadingView& view = open<InputGasMeterReadingView>(pages().gasMeterReadingPage);
    EXPECT_EQ(str(view.getRowValue(1).getText()), u"250");
    clickOn(view.getMoveButton());
    EXPECT_EQ(str(view.getRowValue(0).getText()), u"250");
    EXPECT_EQ(str(view.getRowLabel(0).getText()), u"1.   09.03.2024");
    EXPECT_EQ(str(view.getRowLabel(1).getText()), u"2.   ");
    EXPECT_EQ(str(view.getRowValue(1).getText()), u"");
    EXPECT_FALSE(view.getUnit(1).isVisible());
    clickOn(view.getMoveButton()); // no second reading now: the first stays
    EXPECT_EQ(str(view.getRowValue(0).getText()), u"250");
    forgetWrites();
    clickBottomButton(view.getBottomBar(), InputGasMeterReadingView::OK_BUTTON);
    EXPECT_EQ(meterWrites().size(), 6u);
    EXPECT_EQ(general().gasMeter230.getValue(), 250u);
    EXPECT_EQ(general().gasMeter229.getValue(), 1710000000u);
    EXPECT_EQ(general().gasMeter231.getValue(), 77u);
    EXPECT_EQ(general().gasMeter233.getValue(), 0u);
    EXPECT_EQ(general().gasMeter232.getValue(), 0u);
    EXPECT_EQ(general().gasMeter234.getValue(), 0u);
}

TEST_F(GasInput, ChangeSecondTakesANewReadingWithTodayAndTheCounter)
{
    storeReadings(100, 1700000000u, 55, 250, 1710000000u, 77);
    app.bed.deviceSends(COUNTER, 901u);
    InputGasMeterReadingView& view = open<InputGasMeterReadingView>(pages().gasMeterReadingPage);
    clickOn(view.getChangeButton());
    EXPECT_FALSE(inContent(view.getMoveButton()));
    EXPECT_FALSE(inContent(view.getRowLabel(0)));
    EXPECT_EQ(str(view.getRowLabel(1).getText()), u"2.   14.03.2026");
    EXPECT_TRUE(inContent(view.getEntryField()));
    EXPECT_EQ(str(view.getEntryField().getText()), u"");
    EXPECT_TRUE(view.getUnit(1).isVisible());

    clickOn(view.getEntryField());
    typeDigits("555");
    clickBottomButton(view.getBottomBar(), KeyboardViewMode::ACCEPT_BUTTON);
    EXPECT_TRUE(inContent(view.getMoveButton()));
    EXPECT_TRUE(inContent(view.getChangeButton()));
    EXPECT_EQ(str(view.getRowValue(0).getText()), u"100");
    EXPECT_EQ(str(view.getRowValue(1).getText()), u"555");
    EXPECT_EQ(str(view.getRowLabel(1).getText()), u"2.   14.03.2026");
    clickBottomButton(view.getBottomBar(), InputGasMeterReadingView::OK_BUTTON);
    EXPECT_EQ(general().gasMeter233.getValue(), 555u);
    EXPECT_EQ(general().gasMeter232.getValue(), todaySeconds());
    EXPECT_EQ(general().gasMeter234.getValue(), 901u);
    EXPECT_EQ(general().gasMeter230.getValue(), 100u);
}

// ---- detection improvement ----

TEST_F(GasInput, NoReadingAsksFirstWithoutHomeOrBack)
{
    storeReadings(0, 0, 0, 0, 0, 0);
    GasConsumptionDetectionImprovView& question =
        open<GasConsumptionDetectionImprovView>(pages().gasDetectionImprovPage);
    app.bed.ticks(2);
    ASSERT_EQ(app.screen<GasConsumptionDetectionImprovView>(), &question);
    EXPECT_TRUE(inContent(question.getPanel()));
    EXPECT_TRUE(inContent(question.getQuestion()));
    EXPECT_EQ(str(question.getQuestion().getText()), textOf(1090));
    EXPECT_TRUE(question.getTopBar().isVisible());
    EXPECT_EQ(str(question.getTopBar().getTitleField().getText()), textOf(1147));
    EXPECT_EQ(str(question.getYesButton().getLabelText().getText()), u"Yes");
    EXPECT_EQ(str(question.getNoButton().getLabelText().getText()), u"No");
    const guicontrols::BottomBar& bar = question.getBottomBar();
    EXPECT_FALSE(bar.getButton(GenericView::HOME_BUTTON).isTouchable());
    EXPECT_FALSE(bar.getButton(GenericView::BACK_BUTTON).isTouchable());
    EXPECT_TRUE(bar.getButton(GenericView::HELP_BUTTON).isTouchable());
    EXPECT_EQ(str(question.getHelpText()), textOf(696));

    clickOn(question.getNoButton());
    EXPECT_EQ(current(), &pages().gasIntervalPage);

    GasConsumptionDetectionImprovView& again = open<GasConsumptionDetectionImprovView>(pages().gasDetectionImprovPage);
    app.bed.ticks(2);
    clickOn(again.getYesButton());
    InputGasMeterReadingView* view = app.screen<InputGasMeterReadingView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(str(view->getRowLabel(0).getText()), u"1.   14.03.2026");
    EXPECT_EQ(str(view->getEntryField().getText()), u"0");
    EXPECT_FALSE(inContent(view->getRowLabel(1)));
    clickBottomButton(view->getBottomBar(), GenericView::BACK_BUTTON);
    EXPECT_EQ(current(), &pages().gasIntervalPage) << "the question stayed on the history";
}

// A stored reading hands over at once: the goTo repeats on every tick until the switch, and
// still one page is shown and one history entry kept.
TEST_F(GasInput, AStoredReadingOpensTheReadingsAtOnce)
{
    storeReadings(100, 1700000000u, 55, 0, 0, 0);
    fromHome(pages().gasIntervalPage, {});
    const std::uint16_t depth = app.pageManager().getHistorySize();
    app.pageManager().goTo(&pages().gasDetectionImprovPage, false);
    app.bed.ticks(4);
    InputGasMeterReadingView* view = app.screen<InputGasMeterReadingView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(current(), &pages().gasMeterReadingPage);
    EXPECT_FALSE(app.app.isPageSwitchPending());
    EXPECT_EQ(app.pageManager().getHistorySize(), depth + 1);
    EXPECT_EQ(str(view->getRowValue(0).getText()), u"100");
    clickBottomButton(view->getBottomBar(), GenericView::BACK_BUTTON);
    EXPECT_EQ(current(), &pages().gasIntervalPage);
    EXPECT_EQ(app.pageManager().getHistorySize(), depth);
}
} // namespace
