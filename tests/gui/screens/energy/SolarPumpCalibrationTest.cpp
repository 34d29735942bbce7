#include "SolarPumpBed.hpp"

#include "gui/screens/energy/SolarPumpCalibrationView.hpp"
#include "gui/screens/wizard/WizzardAbsorberSurfaceView.hpp"

#include <cmath>
#include <limits>

namespace solarpump_test
{
namespace
{
using Calls = std::vector<std::string>;
using Labels = std::vector<std::string>;
const char* const MODE_ON = "6101";  // function code 97 with 1
const char* const MODE_OFF = "6100"; // and with 0

class SolarPumpCalibration : public SolarPumpBed
{
protected:
    void SetUp() override
    {
        SolarPumpBed::SetUp();
        app.bed.deviceSends(ABSORBER_SURFACE, 4.64f);
        calibration(12, 50);
    }
    // With a commissioning-state mask stored on the page below when one is given.
    SolarPumpCalibrationView& openCalibration(const Params::Commissioning* mask = nullptr)
    {
        app.open(app.pages().mainPage, true);
        if (mask != nullptr) {
            EXPECT_TRUE(app.pageManager().setParam(*mask));
        }
        app.open(app.pages().solarPumpCalibrationPage);
        app.bed.ticks(1);
        SolarPumpCalibrationView* view = app.screen<SolarPumpCalibrationView>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    // Through the question into the entry.
    SolarPumpCalibrationView& openEntry(const Params::Commissioning* mask = nullptr)
    {
        SolarPumpCalibrationView& view = openCalibration(mask);
        press(view, ConfirmViewMode::YES_BUTTON);
        EXPECT_EQ(view.getCalibrationState(), SolarPumpCalibrationView::FLOW_ENTRY);
        takeCalls();
        return view;
    }
    void step(const SolarPumpCalibrationView& view, bool up, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            click(up ? view.getFlowEntry().getUpButton() : view.getFlowEntry().getDownButton());
        }
    }
    std::string entry(const SolarPumpCalibrationView& view) { return utf8(view.getFlowEntry().getText()); }
};

TEST_F(SolarPumpCalibration, TheQuestionSwitchesTheModeOnAndNoGoesBack)
{
    SolarPumpCalibrationView& view = openCalibration();
    EXPECT_EQ(callsInSentOrder(), Calls{MODE_ON});
    ASSERT_EQ(view.getViewMode(), &view.getConfirmMode());
    EXPECT_EQ(utf8(view.getConfirmMode().getQuestionField().getText()).substr(0, 44),
              "Do you want to calibrate the solar pump now?");
    EXPECT_EQ(utf8(view.getTopBar().getTitleField().getText()), "Calibration of the solar pump");
    press(view, ConfirmViewMode::NO_BUTTON);
    app.bed.ticks(1);
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().mainPage);
    EXPECT_EQ(callsInSentOrder(), Calls{MODE_OFF});
    EXPECT_TRUE(writes().empty());
}

TEST_F(SolarPumpCalibration, EveryWayOutSwitchesTheModeOff)
{
    for (std::uint8_t button : {GenericView::HOME_BUTTON, GenericView::BACK_BUTTON, SolarPumpCalibrationView::OK_BUTTON}) {
        SCOPED_TRACE(static_cast<int>(button));
        SolarPumpCalibrationView& view = openEntry();
        press(view, button);
        app.bed.ticks(1);
        EXPECT_EQ(app.screen<SolarPumpCalibrationView>(), nullptr);
        EXPECT_EQ(callsInSentOrder(), Calls{MODE_OFF});
    }
}

TEST_F(SolarPumpCalibration, AnUnknownSurfaceSendsToTheAbsorberPageAndBackAsksAgain)
{
    for (float surface : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN()}) {
        SCOPED_TRACE(surface);
        app.bed.model().getGroups().idSolar.absorberSurface.setValue(surface);
        SolarPumpCalibrationView& view = openCalibration();
        press(view, ConfirmViewMode::YES_BUTTON);
        ASSERT_EQ(view.getViewMode(), &view.getFeedbackMode());
        EXPECT_EQ(utf8(view.getFeedbackMode().getMessageField().getText()),
                  "Please enter the absorber\narea of the collector first.");
        app.bed.ticks(400); // no time-out: it waits for its OK
        ASSERT_EQ(app.screen<SolarPumpCalibrationView>(), &view);
        EXPECT_EQ(view.getViewMode(), &view.getFeedbackMode());
        takeCalls();
        press(view, FeedbackViewMode::CONTINUE_BUTTON);
        app.bed.ticks(1);
        ASSERT_NE(app.screen<WizzardAbsorberSurfaceView>(), nullptr);
        EXPECT_EQ(callsInSentOrder(), Calls{MODE_OFF});

        press(*app.screen<WizzardAbsorberSurfaceView>(), GenericView::BACK_BUTTON);
        app.bed.ticks(1);
        SolarPumpCalibrationView* again = app.screen<SolarPumpCalibrationView>();
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(again->getViewMode(), &again->getConfirmMode());
        EXPECT_EQ(callsInSentOrder(), Calls{MODE_ON});
        press(*again, ConfirmViewMode::NO_BUTTON);
        app.bed.ticks(1);
        takeCalls();
    }
}

TEST_F(SolarPumpCalibration, TheEntryStepsRelabelTheAxisAndOkStoresTheFlow)
{
    Params::Commissioning mask = {};
    mask.mask = 0x0100;
    SolarPumpCalibrationView& view = openEntry(&mask);
    EXPECT_EQ(entry(view), "1.2");
    EXPECT_EQ(flowLabels(view), (Labels{"2.40", "", "1.20", "", "0"})); // 1.2 l/min at 50 %
    EXPECT_EQ(utf8(view.getHelpText()).substr(0, 27), "The calibration of the sola");
    EXPECT_EQ(view.getBottomBar().getButton(SolarPumpCalibrationView::OK_BUTTON).getIcon().getId(), 210);
    EXPECT_EQ(view.getPointMarker().getAbsoluteRect(), expectedMarker(view.getChart(), 50, 10.0f));
    EXPECT_EQ(app.bed.frame().at(static_cast<std::int16_t>(view.getPointMarker().getAbsoluteRect().x + 4),
                                 static_cast<std::int16_t>(view.getPointMarker().getAbsoluteRect().y + 4)),
              guicontrols::Palette::entry(34));

    step(view, true, 3);
    EXPECT_EQ(entry(view), "1.5");
    EXPECT_EQ(flowLabels(view), (Labels{"3.00", "", "1.50", "", "0"}));
    forgetWrites();
    press(view, SolarPumpCalibrationView::OK_BUTTON);
    EXPECT_EQ(writes(), (std::vector<std::string>{"W CF0F 0F"}));
    EXPECT_EQ(app.pageManager().getParam<Params::Commissioning>(nullptr)->mask, 0x0500u);
    app.bed.ticks(1);
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().mainPage);
}

TEST_F(SolarPumpCalibration, StepsToATenthAreStoredAsThatTenthAndTheEntryWraps)
{
    calibration(0, 50);
    SolarPumpCalibrationView& view = openEntry();
    step(view, false);
    EXPECT_EQ(entry(view), "25.5");
    step(view, true);
    EXPECT_EQ(entry(view), "0.0");
    step(view, true, 7); // seven float steps of 0.1 need not make exactly 0.7
    EXPECT_EQ(entry(view), "0.7");
    ASSERT_FALSE(hasMask());
    forgetWrites();
    press(view, SolarPumpCalibrationView::OK_BUTTON);
    EXPECT_EQ(writes(), (std::vector<std::string>{"W CF0F 07"}));
    EXPECT_FALSE(hasMask()); // nothing to mark outside the wizard
}

TEST_F(SolarPumpCalibration, ToTenthsRoundsToTheNearest)
{
    const struct
    {
        float flow;
        std::uint8_t tenths;
    } cases[] = {{0.0f, 0}, {0.7f, 7}, {0.69999f, 7}, {0.64f, 6}, {0.65f, 7}, {1.25f, 13}, {25.5f, 255}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flow);
        EXPECT_EQ(SolarPumpCalibrationView::toTenths(c.flow), c.tenths);
    }
}

TEST_F(SolarPumpCalibration, ACalibrationSpeedOfZeroKeepsTheFirstScale)
{
    calibration(12, 0);
    SolarPumpCalibrationView& view = openEntry();
    EXPECT_EQ(flowLabels(view), (Labels{"10.00", "", "5.00", "", "0"}));
    step(view, true, 4);
    EXPECT_EQ(flowLabels(view), (Labels{"10.00", "", "5.00", "", "0"}));
    const guicontrols::PlotBackground& chart = view.getChart();
    EXPECT_EQ(view.getPointMarker().getAbsoluteRect(),
              quillon::Rectangle(static_cast<std::int16_t>(chart.getPlotAreaX() - 3),
                                 static_cast<std::int16_t>(chart.getPlotAreaY() + 72 + chart.getPlotAreaHeight() - 3), 8, 8));
}
} // namespace
} // namespace solarpump_test
