#include "guicontrols/BasicScreenCenterButton.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/events/ClickEvent.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::ClickEvent;
using quillon::Rectangle;

namespace
{
class Clicks
{
public:
    Clicks() : callback(this, &Clicks::clicked) {}
    void clicked(const quillon::AbstractButton&) { ++count; }
    quillon::Callback<Clicks, const quillon::AbstractButton&> callback;
    int count = 0;
};

void click(BasicScreenCenterButton& button)
{
    button.onClick(ClickEvent(ClickEvent::PRESSED, 10, 10));
    button.onClick(ClickEvent(ClickEvent::RELEASED, 10, 10));
}
} // namespace

TEST_F(WidgetTest, CentreButtonStepsThroughTheAvailableCircuits)
{
    struct Case
    {
        bool c1, c2, c3;
        uint8_t selectedIndex; // 0..2, 0xFF: none
        std::vector<uint8_t> afterClicks;
    };
    const Case cases[] = {
        {true, false, true, 0, {2, 0, 2}},   // 1 and 3: 3, then 1
        {true, true, true, 2, {0, 1, 2}},
        {false, true, true, 0xFF, {1, 2, 1}}, // from none: starts at 1, which is missing
        {false, true, false, 1, {1, 1}},      // one circuit: stays, still fires
        {false, true, false, 0xFF, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Clicks clicks;
        BasicScreenCenterButton button;
        button.setAction(clicks.callback);
        button.setCircuits(c.c1, c.c2, c.c3);
        if (c.selectedIndex != 0xFF) {
            button.selectCircuit(c.selectedIndex);
        }
        for (uint8_t expected : c.afterClicks) {
            click(button);
            EXPECT_EQ(button.getSelectedCircuit(), expected);
        }
        EXPECT_EQ(clicks.count, static_cast<int>(c.afterClicks.size()));
    }

    BasicScreenCenterButton button;
    button.setCircuits(true, false, true);
    button.onClick(ClickEvent(ClickEvent::RELEASED, 10, 10)); // no press before: no step
    EXPECT_FALSE(button.isCircuit1Selected() || button.isCircuit3Selected());
}

// Circuits 1 and 3: "Heating circuit 1 3" centred, no 2 in the group. Moving the selection
// from 1 to 3 changes the colours of the two numbers and nothing else.
TEST_F(WidgetTest, CentreButtonShowsOnlyTheAvailableNumbers)
{
    BasicScreenCenterButton button;
    button.setXY(115, 2);
    button.setCircuits(true, false, true);
    button.selectCircuit(0);
    const std::vector<quillon::Color> first = drawn(button);
    button.selectCircuit(2);
    const Rectangle numbers = differenceBounds(first, drawn(button));

    const quillon::TypedText title(963);
    const quillon::Font* font = title.getFont();
    const int16_t w0 = LiteralText::getWidth(font, title.getText());
    const int16_t w1 = font->getStringWidth(w(u" 1"));
    const int16_t w3 = font->getStringWidth(w(u" 3"));
    const int16_t numbersX = static_cast<int16_t>(115 + (570 - (w0 + w1 + w3)) / 2 + w0);
    EXPECT_GE(numbers.x, numbersX);
    EXPECT_LE(numbers.right(), numbersX + w1 + w3 + 2);
    EXPECT_GT(numbers.width, w1 + w3 / 2); // both numbers changed colour

    // With all three the group is wider and starts further left.
    BasicScreenCenterButton all;
    all.setXY(115, 2);
    all.setCircuits(true, true, true);
    all.selectCircuit(0);
    const std::vector<quillon::Color> allFirst = drawn(all);
    all.selectCircuit(2);
    EXPECT_LT(differenceBounds(allFirst, drawn(all)).x, numbers.x);
}
