#include "guicontrols/PlotDrawing.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/hal/HAL.hpp>

#include <vector>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
const quillon::Color INK = 0xF800;

// A frame buffer with guard rows before and after it, so that a write past the display
// shows as a changed guard pixel instead of corrupting memory.
class GuardedBuffer
{
public:
    static const int GUARD = 800 * 200;
    GuardedBuffer() : memory(GUARD + 800 * 480 + GUARD, SENTINEL) {}
    uint16_t* display() { return memory.data() + GUARD; }
    int changedGuardPixels() const
    {
        int changed = 0;
        for (int i = 0; i < GUARD; ++i) {
            changed += memory[i] != SENTINEL ? 1 : 0;
            changed += memory[memory.size() - 1 - i] != SENTINEL ? 1 : 0;
        }
        return changed;
    }
    int count(quillon::Color color) const
    {
        int found = 0;
        for (int i = GUARD; i < GUARD + 800 * 480; ++i) {
            found += memory[i] == color ? 1 : 0;
        }
        return found;
    }

private:
    std::vector<uint16_t> memory;
};
} // namespace

TEST(ValueToPixel, MapsTheRangeOntoTheRowsAndClampsBeyondIt)
{
    struct Case
    {
        float value, minimum, maximum;
        int32_t expected;
    };
    const Case cases[] = {
        {100, 0, 100, 50},  // the maximum is the top row
        {0, 0, 100, 290},   // the minimum is top + height
        {50, 0, 100, 170},  //
        {250, 0, 100, 50},  // above the range: the top row
        {-40, 0, 100, 290}, // below it: the bottom row
        {25, -50, 50, 110}, // 50 + 25 x 2.4
        {7, 7, 7, 50},      // an empty range: the maximum still maps to the top
        {3, 7, 7, 290},     // and anything below it to the bottom
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(valueToPixel(c.value, 50.0f, 240.0f, c.minimum, c.maximum), c.expected);
    }
}

TEST_F(WidgetTest, ThickLineRunsAreCentredOnThePointsAndEndAtBothEnds)
{
    uint16_t* buffer = frame.hal().frameBufferBlock();
    drawThickLine(buffer, 10, 20, 100, 100, INK, 3);
    EXPECT_EQ(frame.count(INK), 11 * 3 - 2 * 1 * 0 - 20); // rows overlap: one row of 13 pixels
    EXPECT_EQ(frame.count(INK, Rectangle(9, 100, 13, 1)), 13);
    frame.fill(SENTINEL);
    drawThickLine(buffer, 30, 32, 10, 20, INK, 1); // steep: one pixel per row
    EXPECT_EQ(frame.count(INK), 11);
    EXPECT_EQ(frame.at(30, 10), INK);
    EXPECT_EQ(frame.at(32, 20), INK);
}

TEST_F(WidgetTest, ThickLinesWriteNothingOutsideTheDisplayOrTheClip)
{
    GuardedBuffer guarded;
    drawThickLine(guarded.display(), 700, 900, 400, 600, INK, 9);
    drawThickLine(guarded.display(), -50, 100, -30, 20, INK, 9);
    drawThickLine(guarded.display(), 795, 799, 10, 10, INK, 20); // runs past the right edge
    EXPECT_EQ(guarded.changedGuardPixels(), 0);
    EXPECT_GT(guarded.count(INK), 0);
    // Right-edge runs do not wrap into the next row's left edge.
    frame.fill(SENTINEL);
    drawThickLine(frame.hal().frameBufferBlock(), 795, 799, 10, 10, INK, 20);
    EXPECT_EQ(frame.count(INK, Rectangle(0, 0, 20, 480)), 0);
    frame.fill(SENTINEL);
    drawThickLine(frame.hal().frameBufferBlock(), 0, 799, 0, 479, INK, 5, Rectangle(100, 50, 50, 40));
    EXPECT_EQ(frame.count(INK), frame.count(INK, Rectangle(100, 50, 50, 40)));
    EXPECT_GT(frame.count(INK), 0);
}

TEST_F(WidgetTest, DashesFallWhereThePositionOverTheDashIsOdd)
{
    drawDashedHorizontalLine(40, 5, 0, 2, 8, INK);
    for (int16_t x = 0; x < 48; ++x) {
        SCOPED_TRACE(x);
        const bool dash = x < 40 && (x / 8) % 2 == 1;
        EXPECT_EQ(frame.at(x, 5) == INK, dash);
        EXPECT_EQ(frame.at(x, 6) == INK, dash);
    }
    EXPECT_EQ(frame.count(INK), 2 * 8 * 2);
    frame.fill(SENTINEL);
    drawDashedVerticalLine(3, 10, 30, 1, 8, INK); // the last dash reaches past the end
    EXPECT_EQ(frame.count(INK, Rectangle(3, 0, 1, 480)), 16);
    EXPECT_EQ(frame.at(3, 31), INK);
    frame.fill(SENTINEL);
    drawDashedHorizontalLine(100, 5, 0, 2, 0, INK); // no dash length: nothing, and no endless walk
    drawDashedVerticalLine(3, 10, 30, 1, 8, INK, Rectangle(0, 0, 800, 20));
    EXPECT_EQ(frame.count(INK), 8); // the first dash, rows 10 to 17
}
