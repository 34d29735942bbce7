#include "SettingsBed.hpp"

#include "gui/screens/settings/SettingsBuzzerView.hpp"

namespace settings_test
{
namespace
{
class Buzzer : public SettingsBed
{
protected:
    SettingsBuzzerView& open()
    {
        openSettingsMenu();
        tapMenuItem(u"Buzzer");
        SettingsBuzzerView* view = app.screen<SettingsBuzzerView>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    bool onMarked(SettingsBuzzerView& view) { return view.getTileSelector().getTile(SettingsBuzzerView::ON_TILE).isChecked(); }
    bool offMarked(SettingsBuzzerView& view) { return view.getTileSelector().getTile(SettingsBuzzerView::OFF_TILE).isChecked(); }
    // The bells of one touch where nothing reacts.
    std::string bellsOfATouch()
    {
        testing::internal::CaptureStdout();
        app.bed.click(10, 100); // the content's empty edge
        app.bed.ticks(1);
        return testing::internal::GetCapturedStdout();
    }
};

TEST_F(Buzzer, OnIsMarkedForTheDefaultAndForAnyValueButZero)
{
    struct Case
    {
        uint8_t stored;
        bool on;
    };
    const Case cases[] = {{1, true}, {7, true}, {0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.stored));
        settings().buzzer.set(c.stored);
        SettingsBuzzerView& view = open();
        EXPECT_EQ(str(view.getTileSelector().getTile(0).getText()), u"ON");
        EXPECT_EQ(str(view.getTileSelector().getTile(1).getText()), u"OFF");
        EXPECT_EQ(onMarked(view), c.on);
        EXPECT_EQ(offMarked(view), !c.on);
    }
}

TEST_F(Buzzer, AcceptingAnOddOnValueStoresOne)
{
    settings().buzzer.set(7);
    open();
    tapBottomButton(5);
    EXPECT_EQ(settings().buzzer.get(), 1);
    EXPECT_EQ(shownPage(), 14);
}

TEST_F(Buzzer, OffAndBackKeepsTheBeep)
{
    SettingsBuzzerView& view = open();
    tap(view.getTileSelector().getTile(SettingsBuzzerView::OFF_TILE));
    EXPECT_TRUE(offMarked(view));
    EXPECT_FALSE(onMarked(view));
    tapBottomButton(GenericView::BACK_BUTTON);
    EXPECT_EQ(settings().buzzer.get(), 1);
    EXPECT_EQ(bellsOfATouch(), "\a");
}

TEST_F(Buzzer, OffAndAcceptStoresZeroAndTouchesGoSilent)
{
    SettingsBuzzerView& view = open();
    EXPECT_EQ(bellsOfATouch(), "\a");
    tap(view.getTileSelector().getTile(SettingsBuzzerView::OFF_TILE));
    tapBottomButton(5);
    EXPECT_EQ(settings().buzzer.get(), 0);
    EXPECT_EQ(shownPage(), 14);
    EXPECT_EQ(bellsOfATouch(), "");

    tapMenuItem(u"Buzzer"); // and on again
    tap(app.screen<SettingsBuzzerView>()->getTileSelector().getTile(SettingsBuzzerView::ON_TILE));
    tapBottomButton(5);
    EXPECT_EQ(settings().buzzer.get(), 1);
    EXPECT_EQ(bellsOfATouch(), "\a");
}
} // namespace
} // namespace settings_test
