#include <gtest/gtest.h>
#include <quillon/UIEventListener.hpp>
#include <quillon/Widget.hpp>
#include <quillon/hal/HAL.hpp>
#include <support/TestFrame.hpp>

#include <vector>

using namespace quillon;
using namespace quillon::test;

namespace
{
const Color SENTINEL = 0x1234;
const Color RED = 0xF800;
const Color BLUE = 0x001F;

class Box : public Widget
{
public:
    explicit Box(Color color) : color(color) {}
    void draw(const Rectangle& area) const override
    {
        Rectangle absolute = area;
        absolute.x = static_cast<int16_t>(absolute.x + getAbsoluteRect().x);
        absolute.y = static_cast<int16_t>(absolute.y + getAbsoluteRect().y);
        HAL::lcd().fillRect(absolute, color, 255);
    }
    Rectangle getOpaqueArea() const override { return Rectangle(0, 0, getWidth(), getHeight()); }

private:
    Color color;
};
} // namespace

// The counter must see overdraw that leaves the picture unchanged.
TEST(TestFrame, CountsEveryWriteEvenOfTheSameColour)
{
    TestFrame frame(SENTINEL);
    Box box(RED);
    box.setPosition(790, 470, 20, 20);
    frame.draw(box);
    EXPECT_EQ(frame.count(RED), 10 * 10);
    EXPECT_EQ(frame.at(789, 469), SENTINEL);
    EXPECT_EQ(frame.maxWritesPerPixel(), 1);

    frame.draw(box, Rectangle(0, 0, 5, 5));
    EXPECT_EQ(frame.count(RED), 100);
    EXPECT_EQ(frame.writes(794, 474), 2);
    EXPECT_EQ(frame.writes(795, 474), 1);
    EXPECT_EQ(frame.totalWrites(), 125);

    Box black(0x0000); // the colour of one probe
    black.setPosition(0, 0, 3, 1);
    frame.draw(black);
    Box white(0xFFFF); // and of the other
    white.setPosition(0, 1, 3, 1);
    frame.draw(white);
    EXPECT_EQ(frame.writes(2, 0), 1);
    EXPECT_EQ(frame.writes(2, 1), 1);

    frame.fill(BLUE);
    EXPECT_EQ(frame.totalWrites(), 0);
    EXPECT_EQ(frame.at(0, 0), BLUE);
}

TEST(TestFrame, ClickPressesAndReleasesInTwoFrames)
{
    struct Clicks : public UIEventListener
    {
        void onClick(const ClickEvent& e) override { seen.push_back(e.getType()); }
        std::vector<int> seen;
    } listener;
    TestFrame frame;
    frame.hal().setListener(&listener);
    frame.click(5, 6);
    EXPECT_EQ(listener.seen, (std::vector<int>{ClickEvent::PRESSED, ClickEvent::RELEASED}));
    EXPECT_EQ(frame.hal().frameCount(), 2u);
}

TEST(TestFrame, DrawsWithoutCountingWhenAskedTo)
{
    TestFrame frame(SENTINEL);
    frame.setCounting(false);
    Box box(RED);
    box.setPosition(0, 0, 4, 4);
    frame.draw(box);
    EXPECT_EQ(frame.count(RED), 16);
    EXPECT_EQ(frame.totalWrites(), 0);
}
