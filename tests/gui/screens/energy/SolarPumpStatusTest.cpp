#include "SolarPumpBed.hpp"

#include "gui/screens/auth/AuthView.hpp"
#include "gui/screens/energy/SolarPumpStatusView.hpp"
#include "gui/screens/infocircuit/SolarView.hpp"
#include "gui/pagemanager/ListPageSetting.hpp"

#include <quillon/Texts.hpp>
#include <quillon/TypedText.hpp>

#include <cmath>

namespace solarpump_test
{
namespace
{
using Labels = std::vector<std::string>;

class SolarPumpStatus : public SolarPumpBed
{
protected:
    SolarPumpStatusView& openStatus() { return open<SolarPumpStatusView>(app.pages().solarPumpStatusPage); }
    std::string value(const SolarPumpStatusView& view, std::uint8_t row) { return utf8(view.getRowValue(row).getText()); }
    quillon::Color pixel(std::int16_t x, std::int16_t y) { return app.bed.frame().at(x, y); }
    static quillon::Color palette(std::uint8_t entry) { return guicontrols::Palette::entry(entry); }
};

TEST_F(SolarPumpStatus, SeededValuesChartAndOkGoesBack)
{
    SolarPumpStatusView& view = openStatus();
    EXPECT_EQ(utf8(view.getTopBar().getTitleField().getText()), "Status of the solar circulation pump");
    EXPECT_EQ(view.getHelpText(), nullptr);
    EXPECT_EQ(view.getBottomBar().getButton(GenericView::HELP_BUTTON).getIcon().getId(), quillon::BITMAP_NONE);
    EXPECT_EQ(view.getBottomBar().getButton(SolarPumpStatusView::OK_BUTTON).getIcon().getId(), 210);

    const Labels rows = {utf8(view.getRowLabel(0).getText()), utf8(view.getRowLabel(1).getText()),
                         utf8(view.getRowLabel(2).getText()), utf8(view.getRowLabel(3).getText())};
    EXPECT_EQ(rows, (Labels{"Operating hours", "Solar circuit pump starts", "Flow", "Rotation speed"}));
    EXPECT_EQ(value(view, SolarPumpStatusView::HOURS_ROW), "3120 h");
    EXPECT_EQ(value(view, SolarPumpStatusView::STARTS_ROW), "5234");
    EXPECT_EQ(value(view, SolarPumpStatusView::SPEED_ROW), "65 %%"); // drawn as "65 %"
    EXPECT_EQ(value(view, SolarPumpStatusView::FLOW_ROW), "6.5 l/min");
    EXPECT_EQ(flowLabels(view), (Labels{"10.00", "", "5.00", "", "0"}));
    Labels speeds;
    for (std::uint8_t i = 0; i < SolarPumpBase::SPEED_LABELS; ++i) {
        speeds.push_back(utf8(view.getChart().getXLabel(i).getText()));
    }
    EXPECT_EQ(speeds, (Labels{"0%%", "20%%", "40%%", "60%%", "80%%", "100%%"}));

    // End markers and line in orange, the point in green on the line at 65 %.
    for (const quillon::Rectangle& end : {quillon::Rectangle(107, 357, 8, 8), quillon::Rectangle(492, 119, 8, 8)}) {
        EXPECT_EQ(pixel(end.x, end.y), palette(10));
        EXPECT_EQ(pixel(static_cast<std::int16_t>(end.x + 7), static_cast<std::int16_t>(end.y + 7)), palette(10));
        EXPECT_NE(pixel(static_cast<std::int16_t>(end.x - 3), static_cast<std::int16_t>(end.y - 3)), palette(10));
    }
    EXPECT_EQ(pixel(302, 241), palette(10)); // half-way along the line, 4 pixels wide
    EXPECT_EQ(pixel(303, 241), palette(10));
    const quillon::Rectangle marker = expectedMarker(view.getChart(), 65, 10.0f);
    EXPECT_EQ(view.getPointMarker().getAbsoluteRect(), marker);
    EXPECT_EQ(pixel(static_cast<std::int16_t>(marker.x + 4), static_cast<std::int16_t>(marker.y + 4)), palette(8));
    int dashed = 0; // the vertical line down to the speed axis: dashes and gaps
    const int run = 360 - (marker.y + 8);
    for (std::int16_t y = static_cast<std::int16_t>(marker.y + 8); y < 360; ++y) {
        dashed += pixel(static_cast<std::int16_t>(marker.x + 3), y) == palette(8) ? 1 : 0;
    }
    EXPECT_GT(dashed, run / 4);
    EXPECT_LT(dashed, run * 3 / 4);

    press(view, SolarPumpStatusView::OK_BUTTON);
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().mainPage);
}

TEST_F(SolarPumpStatus, FlowScaleAndPointFromTheCalibration)
{
    struct Case
    {
        std::uint8_t flowTenths, calibrationSpeed, pumpSpeed;
        const char* flow;
        Labels axis;
        bool point;
        float maxFlow;
    };
    const Case cases[] = {
        {1, 1, 65, "6.5 l/min", {"10.00", "", "5.00", "", "0"}, true, 10.0f},
        {40, 50, 30, "2.4 l/min", {"8.00", "", "4.00", "", "0"}, true, 8.0f},
        {1, 0, 65, "6.5 l/min", {"10.00", "", "5.00", "", "0"}, true, 10.0f}, // speed 0 keeps 10.0
        {1, 1, 0, "0.0 l/min", {"10.00", "", "5.00", "", "0"}, true, 10.0f},
        {0, 1, 65, "0.0 l/min", {"0.00", "", "0.00", "", "0"}, false, 0.0f},
        {255, 1, 255, "6502.5 l/min", {"2550.0", "", "1275.0", "", "0"}, true, 2550.0f}, // one decimal fits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        calibration(c.flowTenths, c.calibrationSpeed);
        pumpRecord(c.pumpSpeed);
        SolarPumpStatusView& view = openStatus();
        EXPECT_EQ(value(view, SolarPumpStatusView::FLOW_ROW), c.flow);
        EXPECT_EQ(flowLabels(view), c.axis);
        EXPECT_FLOAT_EQ(view.getMaxFlow(), c.maxFlow);
        EXPECT_EQ(view.getPointMarker().isVisible(), c.point);
        if (c.point) {
            EXPECT_EQ(view.getPointMarker().getAbsoluteRect(), expectedMarker(view.getChart(), c.pumpSpeed, c.maxFlow));
        }
    }
}

TEST_F(SolarPumpStatus, PointEdgesOfThePlotArea)
{
    calibration(1, 1);
    pumpRecord(0);
    SolarPumpStatusView& view = openStatus();
    const guicontrols::PlotBackground& chart = view.getChart();
    const std::int16_t bottom = static_cast<std::int16_t>(chart.getPlotAreaY() + 72 + chart.getPlotAreaHeight());
    // 0 %: the lower end of the line.
    EXPECT_EQ(view.getPointMarker().getAbsoluteRect(),
              quillon::Rectangle(static_cast<std::int16_t>(chart.getPlotAreaX() - 3), static_cast<std::int16_t>(bottom - 3), 8, 8));

    // Above 100 %: right of the plot area, at the top of the flow axis.
    pumpRecord(120);
    app.bed.ticks(1);
    const quillon::Rectangle above = view.getPointMarker().getAbsoluteRect();
    EXPECT_GT(above.x, chart.getPlotAreaX() + chart.getPlotAreaWidth());
    EXPECT_EQ(above.y, chart.getPlotAreaY() + 72 - 3);
    EXPECT_EQ(value(view, SolarPumpStatusView::FLOW_ROW), "12.0 l/min");
}

TEST_F(SolarPumpStatus, OnlyARecordChangeRefreshesAndTheFlowUsesTheScaleBeforeIt)
{
    calibration(1, 1);
    pumpRecord(65);
    SolarPumpStatusView& view = openStatus();
    calibration(40, 50); // 8.0 l/min at 100 %
    app.bed.ticks(3);
    EXPECT_EQ(flowLabels(view)[0], "10.00");
    EXPECT_EQ(value(view, SolarPumpStatusView::FLOW_ROW), "6.5 l/min");

    pumpRecord(50, 5235, 3121);
    app.bed.ticks(1);
    EXPECT_EQ(value(view, SolarPumpStatusView::HOURS_ROW), "3121 h");
    EXPECT_EQ(value(view, SolarPumpStatusView::STARTS_ROW), "5235");
    EXPECT_EQ(value(view, SolarPumpStatusView::SPEED_ROW), "50 %%");
    EXPECT_EQ(value(view, SolarPumpStatusView::FLOW_ROW), "5.0 l/min"); // 10.0 x 50 %, the old scale
    EXPECT_EQ(flowLabels(view), (Labels{"8.00", "", "4.00", "", "0"}));
    EXPECT_EQ(view.getPointMarker().getAbsoluteRect(), expectedMarker(view.getChart(), 50, 8.0f));

    pumpRecord(51, 5235, 3121); // the next change: the estimate catches up
    app.bed.ticks(1);
    EXPECT_EQ(value(view, SolarPumpStatusView::FLOW_ROW), "4.1 l/min");
}
// No page of the tree opens the solar Diagnosis list, so a page object of the test's own
// stands in for it; the pump's status then needs the service password at the basic level.
TEST_F(SolarPumpStatus, TheDiagnosisEntryAsksForTheServicePasswordAtTheBasicLevel)
{
    app.pageManager().setAccessLevel(5);
    setFlags({44}, {});
    ListPageSetting setting = {1, 0};
    pagemanager::Page diagnosisPage{50, 5, 120, false};
    diagnosisPage.setPointerParam(pagemanager::PointerParam(&setting));
    auto typePassword = [this](const std::u16string& text) {
        const std::u16string layout = u"qwertyuiop asdfghjkl  zxcvbnm";
        for (char16_t c : text) {
            const std::size_t i = layout.find(c);
            app.bed.click(static_cast<std::int16_t>(4 + 72 * (i % 11) + 35),
                          static_cast<std::int16_t>(GenericView::TOP_BAR_HEIGHT + 110 + 72 * (i / 11) + 35));
            app.bed.ticks(1);
        }
    };
    SolarView& list = openPage<SolarView>(diagnosisPage);
    click(list.getActionItem(SolarView::PUMP_STATUS).getButton());
    app.bed.ticks(1);
    AuthView* auth = app.screen<AuthView>();
    ASSERT_NE(auth, nullptr);
    typePassword(u"plovr");
    press(*auth, AuthView::OK_BUTTON);
    ASSERT_EQ(app.screen<AuthView>(), auth);
    EXPECT_EQ(auth->getViewMode(), &auth->getFeedbackMode());
    EXPECT_EQ(utf8(auth->getFeedbackMode().getMessageField().getText()), utf8(quillon::TypedText(1572).getText()));
    app.bed.ticks(260); // the message ends by itself
    typePassword(u"plover");
    press(*auth, AuthView::OK_BUTTON);
    app.bed.ticks(1);
    ASSERT_NE(app.screen<SolarPumpStatusView>(), nullptr);
    EXPECT_EQ(app.pageManager().getCurrentPage(), &app.pages().solarPumpStatusPage);
    EXPECT_EQ(value(*app.screen<SolarPumpStatusView>(), SolarPumpStatusView::HOURS_ROW), "3120 h");
}
} // namespace
} // namespace solarpump_test
