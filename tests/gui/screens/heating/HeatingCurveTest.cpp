#include "gui/screens/heating/HeatingCurveView.hpp"
#include "gui/screens/heating/ScreenDriving.hpp"

#include "support/TextReading.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace
{
using quillon::test::text;

const std::uint16_t SLOPE_ADDRESS = 0x27D3;
const std::uint16_t LEVEL_ADDRESS = 0x27D4;

class HeatingCurveScreen : public ::testing::Test
{
protected:
    HeatingCurveView& open()
    {
        app.open(app.pages().heatingCurvePage);
        app.bed.ticks(1);
        HeatingCurveView* view = app.screen<HeatingCurveView>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    void openFor(std::uint16_t circuit)
    {
        app.pageManager().setParam(HeatingCircuitParam{circuit, 0, 0, 0, {}});
    }
    std::u16string marker(HeatingCurveView& view, int index) { return text(view.getDiagram().getPointText(index)); }

    test::AppTestBed app;
    test::WriteLog log;
};

TEST_F(HeatingCurveScreen, ShowsTheCurveOfTheTableValuesAndFollowsTheShift)
{
    app.bed.deviceSends(95, 1.4f);
    app.bed.deviceSends(96, static_cast<std::int8_t>(0));
    app.bed.deviceSends(76, static_cast<std::uint8_t>(20));
    HeatingCurveView& view = open();
    EXPECT_FLOAT_EQ(view.getSlopeBox().getFloatValue(), 1.4f);
    EXPECT_EQ(view.getLevelBox().getValue(), 0);
    EXPECT_EQ(marker(view, 0), u"20"); // +20 degrees outside
    EXPECT_EQ(marker(view, 2), u"51"); // 0 degrees outside
    std::u16string before[6];
    for (int i = 0; i < 6; ++i) {
        before[i] = marker(view, i);
    }
    for (int step = 0; step < 5; ++step) {
        test::tap(app, view.getLevelBox().getUpButton());
    }
    EXPECT_EQ(view.getLevelBox().getValue(), 5);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const int expected = std::min(100, std::stoi(std::string(before[i].begin(), before[i].end())) + 5);
        EXPECT_EQ(marker(view, i), std::u16string(u"") + [&] {
            std::string s = std::to_string(expected);
            return std::u16string(s.begin(), s.end());
        }());
    }
    EXPECT_TRUE(log.writes().empty()); // stepping writes nothing
}

TEST_F(HeatingCurveScreen, TheSlopeStopsAtItsBounds)
{
    struct Case { float start; bool up; float expected; };
    const Case cases[] = {{0.2f, false, 0.2f}, {3.5f, true, 3.5f}, {0.3f, false, 0.2f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        app.bed.deviceSends(95, c.start);
        HeatingCurveView& view = open();
        test::tap(app, c.up ? view.getSlopeBox().getUpButton() : view.getSlopeBox().getDownButton());
        test::tap(app, c.up ? view.getSlopeBox().getUpButton() : view.getSlopeBox().getDownButton());
        EXPECT_NEAR(view.getSlopeBox().getFloatValue(), c.expected, 1e-4);
        app.pageManager().back();
        app.bed.ticks(2);
    }
}

TEST_F(HeatingCurveScreen, ConfirmWritesRawSlopeAndSignedLevelOfTheCircuit)
{
    struct Case { bool withParam; std::uint16_t circuit; std::uint16_t offset; };
    const Case cases[] = {
        {false, 0, 0x0000}, // no parameter: circuit 0
        {true, 1, 0x1000},
        {true, 2, 0x2000},
        {true, 7, 0x0000}, // no such circuit: circuit 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.circuit);
        if (c.withParam) {
            openFor(c.circuit);
        }
        const std::uint32_t levelIndex = c.offset == 0 ? 96 : c.offset == 0x1000 ? 149 : 202;
        app.bed.deviceSends(levelIndex, static_cast<std::int8_t>(-12));
        app.bed.deviceSends(levelIndex - 1, 1.4f); // the slope sits just before
        HeatingCurveView& view = open();
        test::tap(app, view.getLevelBox().getDownButton()); // -13
        test::tap(app, view.getLevelBox().getDownButton()); // stays
        for (int step = 0; step < 3; ++step) {
            test::tap(app, view.getSlopeBox().getUpButton()); // 1.7
        }
        log.writes().clear();
        test::tap(app, view.getBottomBar().getButton(HeatingCurveView::CONFIRM_BUTTON));
        ASSERT_EQ(log.writes().size(), 2u);
        EXPECT_EQ(log.writes()[0].address, LEVEL_ADDRESS + c.offset);
        EXPECT_EQ(log.writes()[0].bytes, std::vector<std::uint8_t>{0xF3});
        EXPECT_EQ(log.writes()[1].address, SLOPE_ADDRESS + c.offset);
        EXPECT_EQ(log.writes()[1].bytes, std::vector<std::uint8_t>{17});
        app.bed.ticks(2);
        EXPECT_EQ(app.screen<HeatingCurveView>(), nullptr); // went back
    }
}

TEST_F(HeatingCurveScreen, BackAndHomeWriteNothing)
{
    for (std::uint8_t button : {GenericView::BACK_BUTTON, GenericView::HOME_BUTTON}) {
        SCOPED_TRACE(button);
        app.open(app.pages().mainPage, true);
        app.open(app.pages().mainMenuPage);
        HeatingCurveView& view = open();
        ASSERT_TRUE(view.getBottomBar().getButton(button).isTouchable());
        test::tap(app, view.getSlopeBox().getUpButton());
        test::tap(app, view.getLevelBox().getUpButton());
        log.writes().clear();
        test::tap(app, view.getBottomBar().getButton(button));
        app.bed.ticks(2);
        EXPECT_EQ(app.screen<HeatingCurveView>(), nullptr);
        EXPECT_TRUE(log.writes().empty());
    }
}
} // namespace

// "1.4" in the shift's large font would fill its box from edge to edge: the slope shows in a
// smaller font, inside its box and at the height of the shift's value.
TEST_F(HeatingCurveScreen, TheSlopeValueSitsInsideItsBoxLevelWithTheShift)
{
    app.bed.deviceSends(95, 3.5f);
    HeatingCurveView& view = open();
    auto ink = [&](const guicontrols::SpinBox& box) {
        quillon::Rectangle r(0, 0, box.getWidth(), box.getHeight());
        box.toScreenCoordinates(r);
        const int top = r.y + box.getUpButton().getRect().bottom();
        const int bottom = r.y + box.getDownButton().getY();
        int minX = 800, maxX = -1, minY = 480, maxY = -1;
        for (int y = top; y < bottom; ++y) {
            for (int x = r.x; x < r.right(); ++x) {
                if (app.bed.frame().at(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)) == 0x0000) {
                    minX = std::min(minX, x - r.x);
                    maxX = std::max(maxX, x - r.x);
                    minY = std::min(minY, y);
                    maxY = std::max(maxY, y);
                }
            }
        }
        return std::array<int, 4>{minX, maxX, minY, maxY};
    };
    const std::array<int, 4> slope = ink(view.getSlopeBox());
    const std::array<int, 4> shift = ink(view.getLevelBox());
    ASSERT_GE(slope[1], 0) << "no slope drawn";
    EXPECT_GE(slope[0], 5);
    EXPECT_LE(slope[1], view.getSlopeBox().getWidth() - 6);
    EXPECT_GT(slope[1] - slope[0], 25); // "3.5" whole
    EXPECT_NEAR((slope[2] + slope[3]) / 2.0, (shift[2] + shift[3]) / 2.0, 3.0);
}
