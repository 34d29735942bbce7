#include "EnergyBed.hpp"

#include "gui/screens/energy/GasConsumptionDetectionImprovView.hpp"
#include "gui/screens/energy/InputGasMeterReadingView.hpp"
#include "gui/screens/energy/InputGasQualityView.hpp"
#include "gui/screens/settings/SettingsLockPanelPasswordView.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{
using screens::str;

// Keys of the number keyboards as the content shows them under the top bar.
class GasInput : public ::testing::Test, public test::EnergyBed
{
protected:
    void tapKey(std::int16_t x, std::int16_t y)
    {
        app.bed.click(static_cast<std::int16_t>(x + 35), static_cast<std::int16_t>(GenericView::TOP_BAR_HEIGHT + y + 35));
        app.bed.ticks(1);
    }
    void typeDigits(const char* text)
    {
        for (const char* c = text; *c != 0; ++c) {
            if (*c == '.') {
                tapKey(724, 110);
                continue;
            }
            const int i = *c == '0' ? 9 : *c - '1';
            tapKey(static_cast<std::int16_t>(4 + 72 * (i % 11)), static_cast<std::int16_t>(110 + 72 * (i / 11)));
        }
    }
    void backspace(int times)
    {
        for (int k = 0; k < times; ++k) {
            tapKey(652, 20);
        }
    }
    template <class V>
    V& openFromMenu(pagemanager::Page& page)
    {
        fromHome(pages().gasIntervalPage, {});
        app.open(page);
        app.bed.ticks(1);
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
};

TEST_F(GasInput, QualityShowsSeedsTakesTypedValueAndWritesOnOk)
{
    InputGasQualityView& view = openFromMenu<InputGasQualityView>(pages().gasQualityPage);
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
    view.onBottomBarButton(InputGasQualityView::OK_BUTTON);
    ASSERT_EQ(writes().size(), 2u);
    EXPECT_EQ(writes()[0].address, 0x591C);
    EXPECT_EQ(writes()[1].address, 0x5918);
    EXPECT_FLOAT_EQ(groups().general.gasQuality1.getValue(), 10.5f);
    groups().general.gasQuality1.setValue(11.461f);
}

// A cancel keeps the value even where the keyboard could not hold the restored text.
TEST_F(GasInput, QualityCancelKeepsTheValueAndBackWritesNothing)
{
    app.bed.deviceSends(236, 123.5f); // "123.5000" is eight characters, too long to edit
    InputGasQualityView& view = openFromMenu<InputGasQualityView>(pages().gasQualityPage);
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
    app.bed.deviceSends(236, 11.461f);
}

TEST_F(GasInput, BothReadingsMoveSecondToFirst)
{
    app.bed.deviceSends(230, 100u);
    app.bed.deviceSends(233, 250u);
    app.bed.deviceSends(232, 1700000000u);
    app.bed.deviceSends(234, 77u);
    GasConsumptionDetectionImprovView& question =
        openFromMenu<GasConsumptionDetectionImprovView>(pages().gasDetectionImprovPage);
    (void)question;
    app.bed.ticks(2);
    InputGasMeterReadingView* view = app.screen<InputGasMeterReadingView>();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->getMoveButton().isVisible());
    EXPECT_EQ(str(view->getRowValue(1).getText()), u"250");
    clickOn(view->getMoveButton());
    EXPECT_EQ(str(view->getRowValue(0).getText()), u"250");
    EXPECT_EQ(str(view->getRowLabel(1).getText()), u"2.   ");
    forgetWrites();
    view->onBottomBarButton(InputGasMeterReadingView::OK_BUTTON);
    EXPECT_EQ(groups().general.gasMeter230.getValue(), 250u);
    EXPECT_EQ(groups().general.gasMeter233.getValue(), 0u);
    EXPECT_EQ(groups().general.gasMeter231.getValue(), 77u);
    EXPECT_EQ(groups().general.gasMeter234.getValue(), 0u);
}

TEST_F(GasInput, PanelPasswordChecksOldThenStoresNew)
{
    model::SettingsGroup& settings = groups().settings;
    const std::u16string before = str(settings.opPass.get());
    settings.opPass.set(reinterpret_cast<const quillon::WideChar*>(u"Plover"));
    SettingsLockPanelPasswordView& view = openFromMenu<SettingsLockPanelPasswordView>(pages().lockPanelPasswordPage);
    EXPECT_EQ(str(view.getTopBar().getTitleField().getText()), u"Old password");
    view.onBottomBarButton(BasePasswordView::OK_BUTTON); // empty: wrong
    EXPECT_EQ(view.getViewMode(), &view.getFeedbackMode());
    EXPECT_EQ(view.getStep(), 0u);
    settings.opPass.set(reinterpret_cast<const quillon::WideChar*>(u""));
    view.onViewModeFinished();
    view.onBottomBarButton(BasePasswordView::OK_BUTTON); // empty stored: right
    EXPECT_EQ(view.getStep(), 1u);
    EXPECT_EQ(str(view.getTopBar().getTitleField().getText()), u"New password");
    view.onBottomBarButton(BasePasswordView::OK_BUTTON);
    EXPECT_EQ(view.getViewMode(), &view.getConfirmMode());
    settings.opPass.set(reinterpret_cast<const quillon::WideChar*>(before.c_str()));
}
} // namespace
namespace
{
TEST_F(GasInput, NoReadingShowsTheQuestion)
{
    for (std::uint32_t index = 229; index <= 234; ++index) {
        app.bed.deviceSends(index, 0u);
    }
    GasConsumptionDetectionImprovView& question =
        openFromMenu<GasConsumptionDetectionImprovView>(pages().gasDetectionImprovPage);
    app.bed.ticks(2);
    ASSERT_EQ(app.screen<GasConsumptionDetectionImprovView>(), &question);
    EXPECT_EQ(groups().general.gasMeter230.getValue(), 0u);
    EXPECT_NE(question.getPanel().getParent(), nullptr);
    clickOn(question.getYesButton());
    app.bed.ticks(1);
    InputGasMeterReadingView* view = app.screen<InputGasMeterReadingView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(str(view->getRowLabel(0).getText()).substr(0, 5), u"1.   ");
    EXPECT_EQ(str(view->getEntryField().getText()), u"0");
}
} // namespace
