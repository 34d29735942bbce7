#include "SettingsBed.hpp"

#include "gui/screens/settings/SettingHeatingFactoryDefaultsSelectionView.hpp"
#include "gui/screens/settings/SettingsHeatingFactoryDefaultsView.hpp"

#include <algorithm>

namespace settings_test
{
namespace
{
const std::uint16_t SETTINGS_MENU = 14;
const std::uint16_t SELECTION_PAGE = 63;
const std::uint16_t QUESTION_PAGE = 70;

class FactoryDefaults : public SettingsBed
{
protected:
    void openFromMenu()
    {
        openSettingsMenu();
        tapMenuItem(u"Factory settings");
    }
    bool questionShown()
    {
        return app.screen<SettingsHeatingFactoryDefaultsView>() != nullptr && frame()->getViewMode() == &frame()->getConfirmMode();
    }
    std::u16string question() { return str(frame()->getConfirmMode().getQuestionField().getText()); }
    // The table entry of a heating value, as an address the table asks the link for.
    static std::uint16_t addressOf(std::uint32_t index) { return dptGetAddress(index); }
};

TEST_F(FactoryDefaults, OneCircuitGoesStraightToTheQuestionAndNoReturnsToTheMenu)
{
    presentOnly({0, 7});
    openFromMenu();
    EXPECT_EQ(shownPage(), QUESTION_PAGE);
    ASSERT_TRUE(questionShown());
    EXPECT_EQ(app.screen<SettingsHeatingFactoryDefaultsView>()->getCircuit(), 0);
    EXPECT_EQ(title(), u"Heating circuits 1 factory settings");
    EXPECT_EQ(question(), u"Do you really want to reset the factory settings?");
    tapBottomButton(ConfirmViewMode::NO_BUTTON);
    EXPECT_EQ(shownPage(), SETTINGS_MENU);
    EXPECT_TRUE(takeCalls().empty());
}

TEST_F(FactoryDefaults, TheSecondOfThreeCircuitsIsTitledByItsNameOrNumber)
{
    presentOnly({0, 1, 2, 7});
    struct Case
    {
        const char16_t* name;
        const char16_t* title;
    };
    const Case cases[] = {
        {u"", u"Heating circuits 2 factory settings"},
        {u"Attic", u"Attic factory settings"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.title, c.title + 5));
        settings().hc2.set(reinterpret_cast<const quillon::WideChar*>(c.name));
        openFromMenu();
        ASSERT_EQ(shownPage(), SELECTION_PAGE);
        SettingHeatingFactoryDefaultsSelectionView* selection = app.screen<SettingHeatingFactoryDefaultsSelectionView>();
        ASSERT_NE(selection, nullptr);
        EXPECT_EQ(title(), u"Heating circuits factory settings");
        ASSERT_EQ(selection->getTileCount(), 3);
        tap(selection->getTile(1));
        ASSERT_TRUE(questionShown());
        EXPECT_EQ(title(), c.title);
    }
}

TEST_F(FactoryDefaults, YesResetsTheCircuitRereadsTheHeatingValuesAndConfirms)
{
    presentOnly({0, 1, 2, 7});
    openFromMenu();
    tap(app.screen<SettingHeatingFactoryDefaultsSelectionView>()->getTile(1));
    ASSERT_TRUE(questionShown());
    takeCalls();
    deviceReads().clear();
    tapBottomButton(ConfirmViewMode::YES_BUTTON);
    const std::vector<DeviceWrite> calls = takeCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].address, FACTORY_SETTINGS_ADDRESS);
    EXPECT_EQ(calls[0].bytes, std::vector<std::uint8_t>{1});
    const std::vector<std::uint16_t>& reads = deviceReads();
    EXPECT_NE(std::find(reads.begin(), reads.end(), addressOf(349)), reads.end()); // a heating value asked again
    ASSERT_TRUE(feedbackShown());
    EXPECT_EQ(feedbackMessage(), u"The data have been reset to factory settings.");
    app.bed.ticks(260);
    EXPECT_EQ(shownPage(), SELECTION_PAGE);
}

TEST_F(FactoryDefaults, AResetThatWasNotQueuedKeepsTheQuestionForAnotherTry)
{
    presentOnly({0, 7});
    struct Case
    {
        const char* name;
        bool full; // the link's queue full; otherwise no link at all
    };
    const Case cases[] = {{"no link", false}, {"queue full", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openFromMenu();
        ASSERT_TRUE(questionShown());
        takeCalls();
        if (c.full) {
            const DeviceFrame filler{};
            while (rtosQueueSend(txQueue, &filler, RTOS_NO_WAIT, QUEUE_SEND_BACK) == RTOS_PASS) {
            }
        } else {
            linkSetTxQueue(nullptr);
        }
        tapBottomButton(ConfirmViewMode::YES_BUTTON);
        EXPECT_FALSE(feedbackShown());
        ASSERT_TRUE(questionShown());
        EXPECT_EQ(question(), u"Do you really want to reset the factory settings?");

        takeCalls(); // the queue has room again
        linkSetTxQueue(txQueue);
        tapBottomButton(ConfirmViewMode::YES_BUTTON);
        const std::vector<DeviceWrite> calls = takeCalls();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].bytes, std::vector<std::uint8_t>{0});
        ASSERT_TRUE(feedbackShown());
        EXPECT_EQ(feedbackMessage(), u"The data have been reset to factory settings.");
        app.bed.ticks(260); // the feedback closes and goes back
        EXPECT_EQ(shownPage(), SETTINGS_MENU);
    }
}

TEST_F(FactoryDefaults, WithoutAChosenCircuitNothingIsAsked)
{
    openSettingsMenu();
    app.open(app.pages().factoryDefaultsPage);
    ASSERT_NE(app.screen<SettingsHeatingFactoryDefaultsView>(), nullptr);
    EXPECT_FALSE(questionShown());
    EXPECT_EQ(title(), u"Heating circuits 1 factory settings");
    EXPECT_TRUE(takeCalls().empty());
}
} // namespace
} // namespace settings_test
