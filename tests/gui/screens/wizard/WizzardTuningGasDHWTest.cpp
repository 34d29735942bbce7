#include "gui/screens/wizard/TuningBed.hpp"

#include "gui/screens/wizard/WizzardTuningGasDHWView.hpp"
#include "model/devices/DeviceIds.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace
{
using Lines = std::vector<std::u16string>;
using View = WizzardTuningGasDHWView;

const std::uint32_t CIRCULATION_PUMP_PRESENT = 256;
const std::uint32_t SOLAR_CONTROL = 627;
const std::uint32_t SEPARATOR = 260;
const std::uint32_t SETPOINT = 238;
const std::uint32_t REHEATING = 261;
const std::uint32_t BURNER_SERVICE = 224;
const std::uint32_t SERVICE_INTERVAL = 226;
const std::uint32_t MAX_OUTPUT = 347;

class TuningGasDHW : public ::testing::Test, public screens::TuningBed
{
protected:
    TuningGasDHW()
    {
        app.bed.deviceSends(CIRCULATION_PUMP_PRESENT, std::uint8_t{1});
        app.bed.deviceSends(SOLAR_CONTROL, std::uint8_t{0});
        app.bed.deviceSends(SEPARATOR, std::uint8_t{1});
        app.bed.deviceSends(SETPOINT, std::uint8_t{55});
        app.bed.deviceSends(REHEATING, std::uint8_t{3});
        app.bed.deviceSends(BURNER_SERVICE, std::uint8_t{12});
        app.bed.deviceSends(SERVICE_INTERVAL, std::uint8_t{24});
        app.bed.deviceSends(MAX_OUTPUT, std::uint8_t{100});
        app.bed.ticks(1);
    }

    View* open(std::int32_t scope, std::initializer_list<std::uint32_t> flags)
    {
        atScheme();
        storeScope(scope);
        presentOnly(flags);
        return openTuning<View>(app.pages().wizardTuningGasDhwPage);
    }

    std::u16string title(const View& view) { return screens::str(view.getTopBar().getTitleField().getText()); }
};

const Lines BOILER = {u"Burner service in 100 h|12", u"Service interval in months|24",
                      u"Maximum thermal output|100 %%"};
} // namespace

TEST_F(TuningGasDHW, ScopeAndDevicesChooseTitleAndLines)
{
    struct Case
    {
        std::int32_t scope;
        std::initializer_list<std::uint32_t> flags;
        const char16_t* title;
        Lines lines;
    };
    const Lines boilerThenSetpoint = {BOILER[0], BOILER[1], BOILER[2], u"Set DHW temperature|55°C",
                                      u"Time program DHW 1", u"DHW circ time prog 1", u"Time program DHW 3",
                                      u"DHW circ time prog 3"};
    const Case cases[] = {
        {1, {DEVICE_DHW_HC1, DEVICE_BOILER_1, DEVICE_ZR6_B, DEVICE_DP330}, u"Start-up Gas condensing boiler", BOILER},
        {2, {}, u"Start-up Gas condensing boiler/DHW", BOILER},
        {2, {DEVICE_DHW_HC1, DEVICE_DHW_HC3, DEVICE_CIRCULATION_B}, u"Start-up Gas condensing boiler/DHW",
         boilerThenSetpoint},
        {0, {DEVICE_BOILER_4, DEVICE_CYLINDER_4, DEVICE_DP330}, u"Start-up DHW", {u"Circulation pump present|Yes"}},
        {0,
         {DEVICE_BOILER_4, DEVICE_DP330},
         u"Start-up DHW",
         {u"Circulation pump present|Yes", u"DHW cyl conn to hydraulic separator|behind"}},
        {0,
         {DEVICE_CYLINDER_4, DEVICE_DP330},
         u"Start-up DHW",
         {u"Circulation pump present|Yes", u"DHW cyl conn to hydraulic separator|behind"}},
        {0,
         {DEVICE_ZR6_B},
         u"Start-up DHW",
         {u"Ext solar ctrl func (with DT2)|OFF", u"Solar DHW heating: reheating suppression|3"}},
        {0, {DEVICE_HELIORA_2}, u"Start-up DHW", {u"Solar DHW heating: reheating suppression|3"}},
        {0, {DEVICE_DHW_HC2}, u"Start-up DHW", {u"Time program DHW 2"}},
        {0,
         {DEVICE_DHW_HC1, DEVICE_CIRCULATION_A},
         u"Start-up DHW",
         {u"Set DHW temperature|55°C", u"Time program DHW 1", u"DHW circ time prog 1"}},
        {0, {DEVICE_BOILER_1}, u"Start-up DHW", {u"DHW cylinder type"}},
        {3, {DEVICE_DHW_HC1, DEVICE_BOILER_1}, u"", {}},
        {-1, {DEVICE_DHW_HC1}, u"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        View* view = open(c.scope, c.flags);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(title(*view), c.title);
        EXPECT_EQ(lines(view->getList()), c.lines);
        EXPECT_EQ(view->getHelpText(), nullptr);
    }
}

TEST_F(TuningGasDHW, WithoutAScopeTheScreenIsEmpty)
{
    atScheme();
    presentOnly({DEVICE_DHW_HC1, DEVICE_BOILER_1});
    View* view = openTuning<View>(app.pages().wizardTuningGasDhwPage);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(title(*view), u"");
    EXPECT_EQ(view->getList().getLineCount(), 0u);
}

TEST_F(TuningGasDHW, ListSitsInTheContentAndShowsTheDrawnPercentSign)
{
    View* view = open(1, {});
    ASSERT_NE(view, nullptr);
    const guicontrols::ScrollArea& area = view->getList().getScrollArea();
    EXPECT_EQ(area.getAbsoluteRect(), quillon::Rectangle(30, GenericView::TOP_BAR_HEIGHT + 10, 750, 317));
    const quillon::Rectangle first = view->getList().getLine(0).getAbsoluteRect();
    const quillon::Rectangle second = view->getList().getLine(1).getAbsoluteRect();
    EXPECT_EQ(first.y, area.getAbsoluteRect().y);
    EXPECT_EQ(second.y, first.y + first.height + 10);
    // "%%" in the value text is what the text drawing turns into one percent sign.
    EXPECT_EQ(screens::str(view->getLine(View::MAX_OUTPUT).getValueText()), u"100 %%");
}

TEST_F(TuningGasDHW, ValueTextsFollowTheDevice)
{
    struct Case
    {
        std::uint32_t index;
        std::uint8_t value;
        View::Line line;
        const char16_t* shown;
    };
    const Case cases[] = {
        {SOLAR_CONTROL, 0, View::SOLAR_CONTROL, u"OFF"},  {SOLAR_CONTROL, 2, View::SOLAR_CONTROL, u"2"},
        {CIRCULATION_PUMP_PRESENT, 0, View::CIRCULATION_PUMP, u"No"},
        {SEPARATOR, 0, View::SEPARATOR_CONNECTION, u"in front of"}, {SETPOINT, 60, View::SETPOINT, u"60°C"},
        {MAX_OUTPUT, 85, View::MAX_OUTPUT, u"85 %%"},     {BURNER_SERVICE, 0, View::BURNER_SERVICE, u"0"},
    };
    View* view = open(2, {DEVICE_DHW_HC1, DEVICE_ZR6_B, DEVICE_BOILER_4, DEVICE_DP330});
    ASSERT_NE(view, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        app.bed.deviceSends(c.index, c.value);
        app.bed.ticks(1);
        EXPECT_EQ(screens::str(view->getLine(c.line).getValueText()), c.shown);
    }
}

TEST_F(TuningGasDHW, AChangeRebuildsTheListOnTheNextTickAndKeepsTheScrollPosition)
{
    View* view = open(2, {DEVICE_DHW_HC1, DEVICE_DHW_HC2, DEVICE_CIRCULATION_A, DEVICE_ZR6_B});
    ASSERT_NE(view, nullptr);
    const guicontrols::ScrollArea& area = view->getList().getScrollArea();
    clickOn(area.getDownButton());
    const std::uint16_t offset = area.getScrollOffset();
    ASSERT_GT(offset, 0);

    app.bed.deviceSends(SETPOINT, std::uint8_t{48});
    app.bed.ticks(1);
    EXPECT_EQ(screens::str(view->getLine(View::SETPOINT).getValueText()), u"48°C");
    EXPECT_EQ(area.getScrollOffset(), offset);

    const std::uint32_t before = view->getList().getLineCount();
    devices().setPresent(DEVICE_DHW_HC3); // a new device arrives
    app.bed.ticks(1);
    EXPECT_EQ(view->getList().getLineCount(), before + 2);
    EXPECT_EQ(lines(view->getList()).back(), u"DHW circ time prog 3");
    EXPECT_EQ(area.getScrollOffset(), offset);
}

TEST_F(TuningGasDHW, LinesOpenTheirScreensWithHistoryAndWriteNothing)
{
    struct Case
    {
        View::Line line;
        std::uint16_t page;
        int program; // -1: no heating-circuit selection stored
    };
    const Case cases[] = {
        {View::CYLINDER_TYPE, 86, -1},      {View::SETPOINT, 16, -1},           {View::TIME_PROGRAM_1, 24, 0},
        {View::TIME_PROGRAM_3, 24, 2},      {View::CIRCULATION_PROGRAM_2, 19, 1}, {View::CIRCULATION_PUMP, 94, -1},
        {View::MAX_OUTPUT, 94, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        View* view = open(2, {DEVICE_BOILER_1, DEVICE_BOILER_4, DEVICE_DHW_HC1, DEVICE_DHW_HC2, DEVICE_DHW_HC3,
                              DEVICE_CIRCULATION_B});
        ASSERT_NE(view, nullptr);
        forgetWrites();
        touchLine(view->getList(), view->getLine(c.line));
        EXPECT_EQ(currentId(), c.page);
        const HeatingCircuitParam* selection = app.pageManager().getParam<HeatingCircuitParam>(nullptr);
        if (c.program < 0) {
            EXPECT_EQ(selection, nullptr);
        } else {
            ASSERT_NE(selection, nullptr);
            EXPECT_EQ(selection->circuit, c.program);
            EXPECT_EQ(selection->readOnly, 0);
            EXPECT_EQ(selection->titleByNumber, 1);
        }
        if (c.page != 94) {
            app.pageManager().back();
            app.bed.ticks(2);
            EXPECT_EQ(currentId(), 94);
            EXPECT_NE(app.screen<View>(), nullptr);
        }
        EXPECT_TRUE(writes().empty());
    }
}

TEST_F(TuningGasDHW, BackReturnsToTheScheme)
{
    View* view = open(1, {});
    ASSERT_NE(view, nullptr);
    clickBottomButton(view->getBottomBar(), GenericView::BACK_BUTTON);
    EXPECT_EQ(currentId(), SCHEME_PAGE);
}

TEST_F(TuningGasDHW, WatchesItsValuesOnlyWhileShown)
{
    View* view = open(2, {});
    ASSERT_NE(view, nullptr);
    auto* presenter = dynamic_cast<ModelPresenter*>(app.app.getCurrentPresenter());
    ASSERT_NE(presenter, nullptr);
    model::IPropertyFilter* filter = const_cast<model::IPropertyFilter*>(presenter->watchedFilter());
    ASSERT_NE(filter, nullptr);
    model::ParameterGroups& g = groups();
    const std::initializer_list<model::IProperty*> values = {
        &g.dhw.circulationPumpPresent, &g.dhw.destratificationPump, &g.dhw.tuningValue262,
        &g.dhw.separatorConnection, &g.dhw.reheatingSuppression, &g.dhw.setpoint,
        &g.heating.burnerServiceInterval, &g.heating.serviceIntervalMonths, &g.testOperation.maximumThermalOutput};
    for (model::IProperty* watched : values) {
        EXPECT_LT(filter->indexOf(watched), filter->count());
    }
    // Back on the scheme, which watches its own few values: none of these.
    clickBottomButton(view->getBottomBar(), GenericView::BACK_BUTTON);
    for (model::IProperty* watched : values) {
        EXPECT_GE(filter->indexOf(watched), filter->count());
    }
}
