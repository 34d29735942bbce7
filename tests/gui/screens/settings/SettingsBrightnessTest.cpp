#include "SettingsBed.hpp"

#include "gui/app/FrontendApplication.hpp"
#include "gui/screens/settings/SettingsBrightnessNormalView.hpp"
#include "gui/screens/settings/SettingsBrightnessStandbyView.hpp"

namespace settings_test
{
namespace
{
class Brightness : public SettingsBed
{
protected:
    // Settings, "Screen", then the item.
    void openFromMenu(const std::u16string& item)
    {
        openSettingsMenu();
        tapMenuItem(u"Screen");
        tapMenuItem(item);
    }
    SettingsBrightnessView& view() { return *app.screen<SettingsBrightnessView>(); }
    void step(bool up)
    {
        const guicontrols::SpinBox& box = view().getBacklightEdit().getSpinBox();
        tap(up ? box.getUpButton() : box.getDownButton());
    }
    int32_t shownValue() { return view().getBacklightEdit().getValue(); }
};

TEST_F(Brightness, EveryStepGoesToTheBacklightAndBackStoresNothing)
{
    openFromMenu(u"Brightness control");
    ASSERT_NE(app.screen<SettingsBrightnessNormalView>(), nullptr);
    EXPECT_EQ(title(), u"Brightness control");
    EXPECT_EQ(shownValue(), 90);
    EXPECT_EQ(backlight(), 90);
    for (int expected = 80; expected >= 40; expected -= 10) {
        step(false);
        EXPECT_EQ(shownValue(), expected);
        EXPECT_EQ(backlight(), expected);
    }
    tapBottomButton(GenericView::BACK_BUTTON);
    EXPECT_EQ(shownPage(), 14); // the screen menu
    EXPECT_EQ(settings().normalLight.get(), 90);
    EXPECT_EQ(backlight(), 90);
}

TEST_F(Brightness, TheNormalEditorReachesDarkTheStandbyOneStopsAtHalf)
{
    openFromMenu(u"Brightness control");
    for (int i = 0; i < 12; ++i) {
        step(false);
    }
    EXPECT_EQ(shownValue(), 0);
    EXPECT_EQ(backlight(), 0);
    tapBottomButton(GenericView::BACK_BUTTON);

    tapMenuItem(u"Brightness standby");
    ASSERT_NE(app.screen<SettingsBrightnessStandbyView>(), nullptr);
    EXPECT_EQ(shownValue(), 10);
    EXPECT_EQ(backlight(), 10); // the standby level shows while its screen is open
    for (int i = 0; i < 8; ++i) {
        step(true);
    }
    EXPECT_EQ(shownValue(), 50);
    EXPECT_EQ(backlight(), 50);
}

TEST_F(Brightness, StandbyAcceptStoresAndConfirmsAtTheNormalBrightness)
{
    openFromMenu(u"Brightness standby");
    step(true);
    step(true);
    EXPECT_EQ(backlight(), 30);
    tapBottomButton(5);
    EXPECT_EQ(settings().standbyLight.get(), 30);
    EXPECT_EQ(settings().normalLight.get(), 90);
    EXPECT_EQ(backlight(), 90);
    ASSERT_TRUE(feedbackShown());
    EXPECT_EQ(feedbackMessage(), u"Standby lighting changed to 30%");

    // The stored level is the one the screen dims to.
    app.bed.ticks(260); // the feedback ends after 4 s and goes back
    EXPECT_EQ(shownPage(), 14);
    app.app.setDimmed(true);
    EXPECT_EQ(backlight(), 30);
    app.app.setDimmed(false);
    EXPECT_EQ(backlight(), 90);
}

TEST_F(Brightness, NormalAcceptStoresTheValueAndNamesIt)
{
    struct Case
    {
        int steps;
        uint8_t stored;
        const char16_t* message;
    };
    const Case cases[] = {
        {0, 90, u"Background lighting changed to 90%"}, // unchanged: stored again, confirmed
        {-5, 40, u"Background lighting changed to 40%"},
        {2, 100, u"Background lighting changed to 100%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        settings().normalLight.set(90);
        openFromMenu(u"Brightness control");
        for (int i = 0; i < (c.steps < 0 ? -c.steps : c.steps); ++i) {
            step(c.steps > 0);
        }
        tapBottomButton(5);
        EXPECT_EQ(settings().normalLight.get(), c.stored);
        EXPECT_EQ(backlight(), c.stored);
        ASSERT_TRUE(feedbackShown());
        EXPECT_EQ(feedbackMessage(), c.message);
        tapBottomButton(5); // the feedback's own button ends it early
        EXPECT_EQ(shownPage(), 14);
    }
}
} // namespace
} // namespace settings_test
