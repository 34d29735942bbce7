#include "framework/PrintRectangle.hpp"
#include <quillon/Screen.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/widgets/Box.hpp>
#include <support/TestFrame.hpp>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::test;

namespace
{
const Color SENTINEL = 0x1234;
const Color RED = 0xF800;
const Color KEY = 0xABCD;

class TestScreen : public Screen
{
};
} // namespace

TEST(Box, ConstructorsAndDefaults)
{
    const Box plain;
    EXPECT_EQ(plain.getColor(), 0);
    EXPECT_EQ(plain.getAlpha(), 255);
    EXPECT_EQ(plain.getRect(), Rectangle());
    EXPECT_EQ(plain.getType(), 4);

    const Box sized(30, 20, RED, 128);
    EXPECT_EQ(sized.getRect(), Rectangle(0, 0, 30, 20));
    EXPECT_EQ(sized.getColor(), RED);
    EXPECT_EQ(sized.getAlpha(), 128);
}

TEST(Box, OpaqueOnlyAtFullAlphaAndOutsideTheKeyColour)
{
    struct Case
    {
        Color color;
        uint8_t alpha;
        Rectangle expected;
    };
    const Case cases[] = {
        {RED, 255, {0, 0, 30, 20}},
        {RED, 254, {}},
        {RED, 0, {}},
        {KEY, 255, {}}, // a fill in the key colour draws nothing, so it hides nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Box box(30, 20, c.color, c.alpha);
        box.setXY(100, 50); // the opaque area is in the box's own coordinates
        EXPECT_EQ(box.getOpaqueArea(), c.expected);
    }
}

TEST(Box, FillsTheAreaAtItsDisplayPositionClippedToTheScreen)
{
    TestFrame frame(SENTINEL);
    Container parent;
    parent.setPosition(700, 400, 200, 200);
    Box box(20, 20, RED);
    box.setXY(90, 70); // 790, 470 on the display: hangs over the corner
    parent.add(box);

    frame.draw(box);
    EXPECT_EQ(frame.count(RED), 10 * 10);
    EXPECT_EQ(frame.at(790, 470), RED);
    EXPECT_EQ(frame.at(789, 469), SENTINEL);
    EXPECT_EQ(frame.maxWritesPerPixel(), 1);

    frame.fill(SENTINEL);
    frame.draw(box, Rectangle(2, 3, 4, 5)); // only the part asked for
    EXPECT_EQ(frame.count(RED), 4 * 5);
    EXPECT_EQ(frame.at(792, 473), RED);
    EXPECT_EQ(frame.at(795, 477), RED);
    EXPECT_EQ(frame.at(796, 477), SENTINEL);
}

TEST(Box, BlendsAtItsAlphaAndDrawsNothingAtZero)
{
    TestFrame frame(0x0000);
    Box half(10, 10, 0xFFFF, 128);
    frame.draw(half);
    const Color blended = frame.at(0, 0);
    EXPECT_NE(blended, 0x0000);
    EXPECT_NE(blended, 0xFFFF);

    Box invisible(10, 10, RED, 0);
    invisible.setXY(20, 0);
    frame.resetWrites();
    frame.draw(invisible);
    EXPECT_EQ(frame.count(RED), 0);
    EXPECT_EQ(frame.totalWrites(), 0);
}

// A box in the key colour over another must not hide it from occlusion-culled drawing.
TEST(Box, KeyColouredBoxLeavesWhatLiesBeneathDrawn)
{
    TestFrame frame(SENTINEL);
    TestScreen screen;
    Box beneath(40, 40, RED);
    Box keyed(20, 20, KEY);
    keyed.setXY(10, 10);
    screen.add(beneath);
    screen.add(keyed);

    frame.draw(screen);
    EXPECT_EQ(frame.count(RED), 40 * 40);
    EXPECT_EQ(frame.count(KEY), 0);
}
