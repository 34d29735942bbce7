#include "gui/screens/wizard/TuningBed.hpp"

#include "gui/screens/wizard/WizzardTuningHCView.hpp"
#include "model/devices/DeviceIds.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using Lines = std::vector<std::u16string>;
using View = WizzardTuningHCView;

// Table indexes of circuits 1, 2, 3.
const std::uint32_t MINIMUM[3] = {93, 146, 199};
const std::uint32_t MAXIMUM[3] = {94, 147, 200};
const std::uint32_t SCREED[3] = {98, 151, 204};
const std::uint32_t ROOM[3] = {76, 129, 182};
const std::uint32_t REDUCED[3] = {77, 130, 183};
const std::uint32_t TYPE[3] = {86, 139, 192};

class TuningHC : public ::testing::Test, public screens::TuningBed
{
protected:
    TuningHC()
    {
        // Every circuit tells apart from the others by its values.
        for (std::uint8_t c = 0; c < 3; ++c) {
            app.bed.deviceSends(MINIMUM[c], static_cast<std::uint8_t>(25 + c));
            app.bed.deviceSends(MAXIMUM[c], static_cast<std::uint8_t>(75 + c));
            app.bed.deviceSends(SCREED[c], std::uint8_t{0});
            app.bed.deviceSends(ROOM[c], static_cast<std::uint8_t>(20 + c));
            app.bed.deviceSends(REDUCED[c], static_cast<std::uint8_t>(15 + c));
            app.bed.deviceSends(TYPE[c], std::uint8_t{0});
        }
        app.bed.ticks(1);
    }

    View* open(int circuit)
    {
        atScheme();
        if (circuit >= 0) {
            storeCircuit(static_cast<std::uint16_t>(circuit));
        }
        return openTuning<View>(app.pages().wizardTuningHcPage);
    }

    std::u16string title(const View& view) { return screens::str(view.getTopBar().getTitleField().getText()); }
};
} // namespace

TEST_F(TuningHC, TheSelectedCircuitGivesTitleAndValues)
{
    struct Case
    {
        int stored; // -1: none stored
        const char16_t* title;
        Lines lines;
    };
    const Lines firstCircuit = {u"Type of heating circuit",         u"Set heating curve",
                                u"Minimum supply temperature|25°C", u"Maximum supply temperature|75°C",
                                u"Set room temperature|20°C",       u"Set reduced room temperature|15°C",
                                u"Time program heating",            u"Renaming the heating circuit"};
    const Case cases[] = {
        {1,
         u"Start-up Heating circuit 2",
         {u"Type of heating circuit", u"Set heating curve", u"Minimum supply temperature|26°C",
          u"Maximum supply temperature|76°C", u"Set room temperature|21°C", u"Set reduced room temperature|16°C",
          u"Time program heating", u"Renaming the heating circuit"}},
        {2,
         u"Start-up Heating circuit 3",
         {u"Type of heating circuit", u"Set heating curve", u"Minimum supply temperature|27°C",
          u"Maximum supply temperature|77°C", u"Set room temperature|22°C", u"Set reduced room temperature|17°C",
          u"Time program heating", u"Renaming the heating circuit"}},
        // No selection, or one past the three circuits, is the first circuit: values and title.
        {-1,
         u"Start-up Heating circuit 1",
         firstCircuit},
        {3,
         u"Start-up Heating circuit 1",
         firstCircuit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        View* view = open(c.stored);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(title(*view), c.title);
        EXPECT_EQ(lines(view->getList()), c.lines);
        EXPECT_EQ(view->getHelpText(), nullptr);
    }
}

TEST_F(TuningHC, ScreedDryingOnlyForUnderfloorHeating)
{
    struct Case
    {
        std::uint8_t type;
        std::uint8_t screed;
        std::uint32_t count;
        const char16_t* screedLine; // null: not listed
    };
    const Case cases[] = {
        {1, 0, 9, u"Screed drying|OFF"}, {1, 7, 9, u"Screed drying|OPEN"}, {0, 1, 8, nullptr},
        {2, 1, 8, nullptr},              {3, 1, 8, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        app.bed.deviceSends(TYPE[1], c.type);
        app.bed.deviceSends(SCREED[1], c.screed);
        View* view = open(1);
        ASSERT_NE(view, nullptr);
        const Lines shown = lines(view->getList());
        ASSERT_EQ(shown.size(), c.count);
        if (c.screedLine != nullptr) {
            EXPECT_EQ(shown[4], c.screedLine); // after the supply temperatures
        }
    }
}

TEST_F(TuningHC, ATypeChangedOnTheTypeScreenShowsScreedDryingOnReturn)
{
    View* view = open(1);
    ASSERT_NE(view, nullptr);
    touchLine(view->getList(), view->getLine(View::CIRCUIT_TYPE));
    EXPECT_EQ(currentId(), 88);
    app.bed.deviceSends(TYPE[1], std::uint8_t{1}); // as the type screen's OK writes it
    app.pageManager().back();
    app.bed.ticks(2);
    view = app.screen<View>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->getList().getLineCount(), 9u);

    // And while shown: the list follows on the next tick.
    app.bed.deviceSends(TYPE[1], std::uint8_t{0});
    app.bed.ticks(1);
    EXPECT_EQ(view->getList().getLineCount(), 8u);
}

TEST_F(TuningHC, LinesOpenTheirScreensForTheSameCircuit)
{
    app.bed.deviceSends(TYPE[1], std::uint8_t{1});
    struct Case
    {
        View::Line line;
        std::uint16_t page;
    };
    const Case cases[] = {
        {View::CIRCUIT_TYPE, 88},    {View::HEATING_CURVE, 32},         {View::MINIMUM_SUPPLY, 95},
        {View::MAXIMUM_SUPPLY, 95},  {View::SCREED_DRYING, 95},         {View::ROOM_SETPOINT, 37},
        {View::REDUCED_ROOM_SETPOINT, 36}, {View::TIME_PROGRAM, 40},    {View::CIRCUIT_NAME, 69},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        View* view = open(1);
        ASSERT_NE(view, nullptr);
        forgetWrites();
        touchLine(view->getList(), view->getLine(c.line));
        EXPECT_EQ(currentId(), c.page);
        const HeatingCircuitParam* selection = app.pageManager().getParam<HeatingCircuitParam>(nullptr);
        ASSERT_NE(selection, nullptr);
        EXPECT_EQ(selection->circuit, 1);
        if (c.page != 95) {
            app.pageManager().back();
            app.bed.ticks(2);
            EXPECT_EQ(currentId(), 95);
        }
        EXPECT_TRUE(writes().empty());
    }
}
