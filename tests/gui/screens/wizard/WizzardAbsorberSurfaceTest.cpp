#include "gui/screens/energy/SolarPumpBed.hpp"

#include "gui/screens/wizard/WizzardAbsorberSurfaceView.hpp"

#include <cmath>

namespace solarpump_test
{
namespace
{
using Type = WizzardAbsorberSurfacePresenter;

class AbsorberSurface : public SolarPumpBed
{
protected:
    WizzardAbsorberSurfaceView& openWith(std::uint8_t type, std::uint8_t count, float surface)
    {
        app.bed.deviceSends(COLLECTOR_TYPE, type);
        app.bed.deviceSends(COLLECTOR_COUNT, count);
        app.bed.deviceSends(ABSORBER_SURFACE, surface);
        WizzardAbsorberSurfaceView& view = open<WizzardAbsorberSurfaceView>(app.pages().wizardAbsorberSurfacePage);
        forgetWrites();
        return view;
    }
    std::string result(const WizzardAbsorberSurfaceView& view) { return utf8(view.getResult().getText()); }
    std::string other(const WizzardAbsorberSurfaceView& view) { return utf8(view.getTypeValueText(Type::OTHER_COLLECTOR)); }
    int count(const WizzardAbsorberSurfaceView& view) { return view.getCountBox().getValue(); }
    int marked(const WizzardAbsorberSurfaceView& view)
    {
        int found = -1;
        for (std::uint8_t type = 0; type < WizzardAbsorberSurfaceView::TYPES; ++type) {
            if (view.getTypeButton(type).isChecked()) {
                EXPECT_EQ(found, -1) << "two types marked";
                found = type;
            }
        }
        return found;
    }
    void stepCount(const WizzardAbsorberSurfaceView& view, bool up, int times)
    {
        for (int i = 0; i < times; ++i) {
            click(up ? view.getCountBox().getUpButton() : view.getCountBox().getDownButton());
        }
    }
    // The decimal keyboard's keys under the top bar: digits 1..9, 0, then the separator.
    void typeOnKeyboard(const char* text)
    {
        for (int k = 0; k < WizzardAbsorberSurfaceView::MAX_LENGTH + 1; ++k) {
            tapKey(652, 20); // backspace
        }
        for (const char* c = text; *c != 0; ++c) {
            const int i = *c == '.' ? -1 : (*c == '0' ? 9 : *c - '1');
            tapKey(i < 0 ? 724 : static_cast<std::int16_t>(4 + 72 * i), 110);
        }
    }
    void tapKey(std::int16_t x, std::int16_t y)
    {
        app.bed.click(static_cast<std::int16_t>(x + 35), static_cast<std::int16_t>(GenericView::TOP_BAR_HEIGHT + y + 35));
        app.bed.ticks(1);
    }
    float tableFloat(std::uint32_t index)
    {
        float value = 0.0f;
        EXPECT_TRUE(dptGet(index, &value));
        return value;
    }
    std::uint8_t tableByte(std::uint32_t index)
    {
        std::uint8_t value = 0;
        EXPECT_TRUE(dptGet(index, &value));
        return value;
    }
};

TEST_F(AbsorberSurface, StoredFirstModelShowsItsTotalAndConfirmWritesSurfaceTypeCount)
{
    WizzardAbsorberSurfaceView& view = openWith(0, 3, 1.0f);
    EXPECT_EQ(utf8(view.getTopBar().getTitleField().getText()), "Enter absorber surface");
    EXPECT_NE(view.getHelpText(), nullptr);
    EXPECT_EQ(view.getBottomBar().getButton(WizzardAbsorberSurfaceView::CONFIRM_BUTTON).getIcon().getId(), 210);
    EXPECT_EQ(marked(view), Type::FIRST_MODEL);
    EXPECT_EQ(utf8(view.getTypeValueText(0)), "2.32 m²");
    EXPECT_EQ(utf8(view.getTypeValueText(1)), "3.03 m²");
    EXPECT_EQ(view.getTypeValueText(Type::OTHER_COLLECTOR), nullptr);
    EXPECT_EQ(count(view), 3);
    EXPECT_EQ(result(view), "6.96 m²");
    EXPECT_EQ(utf8(view.getEqualsSign().getText()), "=");
    EXPECT_EQ(view.getResult().getColor(), guicontrols::Palette::entry(16));

    press(view, WizzardAbsorberSurfaceView::CONFIRM_BUTTON);
    EXPECT_EQ(writtenAddresses(), (std::vector<std::string>{"E0C8", "E112", "E111"}));
    EXPECT_NEAR(tableFloat(ABSORBER_SURFACE), 6.96f, 0.005f);
    EXPECT_EQ(tableByte(COLLECTOR_TYPE), 0);
    EXPECT_EQ(tableByte(COLLECTOR_COUNT), 3);
    app.bed.ticks(1);
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().mainPage);
}

TEST_F(AbsorberSurface, AnotherCollectorShowsTheAreaOfOne)
{
    WizzardAbsorberSurfaceView& view = openWith(2, 4, 10.0f);
    EXPECT_EQ(marked(view), Type::OTHER_COLLECTOR);
    EXPECT_EQ(other(view), "2.50 m²");
    EXPECT_EQ(count(view), 4);
    EXPECT_EQ(result(view), "10.00 m²");
}

TEST_F(AbsorberSurface, AnotherTypeStartsAtOneCollectorTheMarkedOneChangesNothing)
{
    WizzardAbsorberSurfaceView& view = openWith(0, 3, 6.96f);
    click(view.getTypeButton(Type::SECOND_MODEL));
    EXPECT_EQ(marked(view), Type::SECOND_MODEL);
    EXPECT_EQ(count(view), 1);
    EXPECT_EQ(result(view), "3.03 m²");
    stepCount(view, true, 2);
    EXPECT_EQ(result(view), "9.09 m²");
    click(view.getTypeButton(Type::SECOND_MODEL));
    EXPECT_EQ(count(view), 3);
    EXPECT_EQ(result(view), "9.09 m²");
    EXPECT_EQ(view.getViewMode(), &view);
}

TEST_F(AbsorberSurface, TheCountStopsAtOneAndTen)
{
    WizzardAbsorberSurfaceView& view = openWith(1, 1, 3.03f);
    stepCount(view, false, 1);
    EXPECT_EQ(count(view), 1);
    stepCount(view, true, 11);
    EXPECT_EQ(count(view), 10);
    EXPECT_EQ(result(view), "30.30 m²");
}

TEST_F(AbsorberSurface, OtherCollectorAlwaysOpensTheKeyboardAndTheAreaIsCappedAtSix)
{
    WizzardAbsorberSurfaceView& view = openWith(2, 4, 10.0f);
    click(view.getTypeButton(Type::OTHER_COLLECTOR)); // already the type: the keyboard all the same
    ASSERT_EQ(view.getViewMode(), &view.getKeyboardMode());
    EXPECT_EQ(utf8(view.getKeyboardMode().getTitleField().getText()), "Absorber surface");
    EXPECT_EQ(utf8(view.getKeyboard().getText()), "2.50");
    EXPECT_EQ(view.getKeyboard().getMaxLength(), 5);
    EXPECT_EQ(count(view), 1);
    typeOnKeyboard("7.525"); // a third decimal is refused
    EXPECT_EQ(utf8(view.getKeyboard().getText()), "7.52");
    press(view, KeyboardViewMode::ACCEPT_BUTTON);
    EXPECT_EQ(view.getViewMode(), &view);
    EXPECT_EQ(other(view), "6.00 m²");
    EXPECT_EQ(result(view), "6.00 m²");

    click(view.getTypeButton(Type::OTHER_COLLECTOR));
    typeOnKeyboard("0");
    press(view, KeyboardViewMode::ACCEPT_BUTTON);
    EXPECT_EQ(view.getTypeValueText(Type::OTHER_COLLECTOR), nullptr);
    EXPECT_EQ(result(view), "0.00 m²");

    click(view.getTypeButton(Type::FIRST_MODEL));
    click(view.getTypeButton(Type::OTHER_COLLECTOR)); // from another type: the keyboard too
    EXPECT_EQ(view.getViewMode(), &view.getKeyboardMode());
    press(view, KeyboardViewMode::CANCEL_BUTTON);
    EXPECT_EQ(marked(view), Type::OTHER_COLLECTOR);
    EXPECT_EQ(result(view), "0.00 m²");
}

// The area of a stored surface of 10 m² or more per collector does not fit the keyboard's
// five characters; a cancel must not turn it into 0.
TEST_F(AbsorberSurface, ACancelKeepsAnAreaTheKeyboardCouldNotShow)
{
    WizzardAbsorberSurfaceView& view = openWith(2, 1, 12.5f);
    EXPECT_EQ(other(view), "12.50 m²");
    click(view.getTypeButton(Type::OTHER_COLLECTOR));
    press(view, KeyboardViewMode::CANCEL_BUTTON);
    EXPECT_EQ(other(view), "12.50 m²");
    EXPECT_EQ(result(view), "12.50 m²");
}

TEST_F(AbsorberSurface, BackWritesNothingAndTheStoredValuesComeBack)
{
    WizzardAbsorberSurfaceView& view = openWith(0, 3, 6.96f);
    click(view.getTypeButton(Type::SECOND_MODEL));
    stepCount(view, true, 4);
    press(view, GenericView::BACK_BUTTON);
    app.bed.ticks(1);
    EXPECT_TRUE(writes().empty());
    WizzardAbsorberSurfaceView& again = open<WizzardAbsorberSurfaceView>(app.pages().wizardAbsorberSurfacePage);
    EXPECT_EQ(marked(again), Type::FIRST_MODEL);
    EXPECT_EQ(count(again), 3);
    EXPECT_EQ(result(again), "6.96 m²");
}

// A stored count of 0 shows as one collector and is computed for one: confirm writes that.
TEST_F(AbsorberSurface, AStoredCountOfZeroIsWrittenAsTheOneShown)
{
    WizzardAbsorberSurfaceView& view = openWith(1, 0, 0.0f);
    EXPECT_EQ(count(view), 1);
    EXPECT_EQ(result(view), "3.03 m²");
    press(view, WizzardAbsorberSurfaceView::CONFIRM_BUTTON);
    EXPECT_EQ(tableByte(COLLECTOR_COUNT), 1);
    EXPECT_NEAR(tableFloat(ABSORBER_SURFACE), 3.03f, 0.005f);
}

TEST_F(AbsorberSurface, AStoredTypeWithoutAButtonCountsAsTheFirstModel)
{
    WizzardAbsorberSurfaceView& view = openWith(7, 2, 9.0f);
    EXPECT_EQ(marked(view), Type::FIRST_MODEL);
    EXPECT_EQ(result(view), "4.64 m²");
    press(view, WizzardAbsorberSurfaceView::CONFIRM_BUTTON);
    EXPECT_EQ(tableByte(COLLECTOR_TYPE), 0);
}

// The badge's orange (RGB565).
bool orange(quillon::Color c)
{
    return (c >> 11) >= 24 && (c & 31) <= 10 && ((c >> 5) & 63) >= 20 && ((c >> 5) & 63) <= 52;
}

// The marked button's check badge sits in its corner above the value text, never on its
// "m²": the unmarked button below shows where the text's ink starts.
TEST_F(AbsorberSurface, TheCheckBadgeKeepsClearOfTheValueText)
{
    const WizzardAbsorberSurfaceView& view = openWith(0, 1, 0.0f);
    ASSERT_TRUE(view.getTypeButton(0).isChecked());
    const quillon::Rectangle marked = view.getTypeButton(0).getAbsoluteRect();
    const quillon::Rectangle plain = view.getTypeButton(1).getAbsoluteRect();
    auto& frame = app.bed.frame();
    const int16_t left = static_cast<int16_t>(plain.width - 45);
    const quillon::Color fill = frame.at(static_cast<int16_t>(plain.x + left), static_cast<int16_t>(plain.y + 6));
    int textTop = plain.height;
    for (int16_t y = 4; y < plain.height / 2 && textTop == plain.height; ++y) {
        for (int16_t x = left; x < plain.width - 6; ++x) {
            if (frame.at(static_cast<int16_t>(plain.x + x), static_cast<int16_t>(plain.y + y)) != fill) {
                textTop = y;
                break;
            }
        }
    }
    ASSERT_LT(textTop, plain.height / 2) << "no value text in the unmarked button";
    int badgeBottom = -1;
    // The upper half inside the rim: the badge, not the rim's rounded corners below it.
    for (int16_t y = 4; y < marked.height / 2; ++y) {
        for (int16_t x = left; x < marked.width - 6; ++x) {
            if (orange(frame.at(static_cast<int16_t>(marked.x + x), static_cast<int16_t>(marked.y + y)))) {
                badgeBottom = y;
            }
        }
    }
    ASSERT_GE(badgeBottom, 0) << "no badge on the marked button";
    EXPECT_LT(badgeBottom, textTop - 1) << "the badge reaches into the value text";
}
} // namespace
} // namespace solarpump_test
