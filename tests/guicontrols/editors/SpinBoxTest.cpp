#include "guicontrols/SpinBox.hpp"
#include "guicontrols/editors/EditorFixture.hpp"

using namespace guicontrols;
using namespace guicontrols::test;

namespace
{
template <class T>
class Recorder
{
public:
    Recorder() : callback(this, &Recorder::onValue) {}
    void onValue(const T& value) { values.push_back(value); }

    quillon::Callback<Recorder, const T&> callback;
    std::vector<T> values;
};

class SpinBoxTest : public EditorTest
{
protected:
    void up() { box.onButtonClicked(box.getUpButton()); }
    void down() { box.onButtonClicked(box.getDownButton()); }
    std::u16string text() const { return u16(box.getText()); }

    void makeHours(bool wrap)
    {
        box.setValueCallback(&integers.callback);
        box.setMinimum(0);
        box.setMaximum(23);
        box.setWrapAround(wrap);
        box.setDigits(2);
    }

    void makeFlow()
    {
        box.setValueType(SpinBox::FLOAT_VALUE);
        box.setFloatValueCallback(&floats.callback);
        box.setFloatMinimum(0.0f);
        box.setFloatMaximum(25.5f);
        box.setWrapAround(true);
        box.setFloatValue(0.0f);
    }

    SpinBox box;
    Recorder<int> integers;
    Recorder<float> floats;
};
} // namespace

TEST_F(SpinBoxTest, StartsAtZeroWithoutWrapAround)
{
    EXPECT_EQ(text(), u"0");
    EXPECT_EQ(box.getArrowStyle(), 1);
    box.setMinimum(0);
    box.setMaximum(100);
    box.setValue(100);
    up();
    EXPECT_EQ(box.getValue(), 100); // a new box stops at its bounds
}

TEST_F(SpinBoxTest, HoursWrapAroundWithTwoDigits)
{
    makeHours(true);
    box.setValue(23);
    EXPECT_TRUE(integers.values.empty()); // setters never call back
    up();
    EXPECT_EQ(text(), u"00");
    EXPECT_EQ(integers.values, std::vector<int>{0});
    down();
    EXPECT_EQ(text(), u"23");
    EXPECT_EQ(integers.values, (std::vector<int>{0, 23}));
}

TEST_F(SpinBoxTest, StopsAtABoundWithoutCallingBack)
{
    makeHours(false);
    box.setValue(23);
    up();
    EXPECT_EQ(box.getValue(), 23);
    EXPECT_EQ(text(), u"23");
    box.setValue(0);
    down();
    EXPECT_EQ(box.getValue(), 0);
    EXPECT_TRUE(integers.values.empty());
}

// Wrap-around jumps to the other bound, not by the remainder.
TEST_F(SpinBoxTest, SettingOutsideTheRange)
{
    struct Case
    {
        bool wrap;
        int32_t set;
        int32_t expected;
    };
    const Case cases[] = {{true, -1, 59}, {true, 60, 0}, {false, -1, 0}, {false, 60, 59}};
    box.setMinimum(0);
    box.setMaximum(59);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        box.setWrapAround(c.wrap);
        box.setValue(c.set);
        EXPECT_EQ(box.getValue(), c.expected);
    }
    box.setWrapAround(true);
    box.setStep(5);
    box.setValue(0);
    down();
    EXPECT_EQ(box.getValue(), 59);
}

TEST_F(SpinBoxTest, FloatStepsLandOnTenthsAndWrap)
{
    makeFlow();
    for (int i = 0; i < 255; ++i) {
        up();
    }
    EXPECT_EQ(text(), u"25.5"); // 255 float additions of 0.1 alone give 25.500061
    EXPECT_EQ(box.getFloatValue(), 25.5f);
    up();
    EXPECT_EQ(text(), u"0.0");
    EXPECT_EQ(floats.values.size(), 256u);
    EXPECT_EQ(floats.values.back(), 0.0f);

    box.setFloatValue(25.5f);
    for (int i = 0; i < 255; ++i) {
        down();
    }
    EXPECT_EQ(text(), u"0.0");
    EXPECT_EQ(box.getFloatValue(), 0.0f);
    down();
    EXPECT_EQ(text(), u"25.5");
}

TEST_F(SpinBoxTest, FloatBoundsAndTheirIntegerTwins)
{
    box.setValueType(SpinBox::FLOAT_VALUE);
    box.setFloatMaximum(10.0f);
    box.setFloatValue(3.0f);
    box.setFloatMaximum(2.0f);
    EXPECT_EQ(box.getFloatValue(), 2.0f);
    EXPECT_EQ(text(), u"3.0"); // a bound does not refresh the text
    box.setFloatMinimum(0.5f);
    box.setValueType(SpinBox::INTEGER_VALUE);
    box.setValue(-5);
    EXPECT_EQ(box.getValue(), 0); // truncated toward zero
    box.setFloatMinimum(-1.5f);
    box.setValue(-5);
    EXPECT_EQ(box.getValue(), -1);
}

TEST_F(SpinBoxTest, CallbacksBelongToTheirMode)
{
    box.setValueType(SpinBox::FLOAT_VALUE);
    box.setValueCallback(&integers.callback); // ignored in float mode
    box.setFloatValueCallback(&floats.callback);
    box.setValueType(SpinBox::INTEGER_VALUE); // drops the float callback
    box.setValueType(SpinBox::FLOAT_VALUE);
    box.setFloatMaximum(5.0f);
    up();
    EXPECT_EQ(box.getFloatValue(), 0.1f);
    EXPECT_TRUE(floats.values.empty());
    EXPECT_TRUE(integers.values.empty());
}

TEST_F(SpinBoxTest, StyleLayouts)
{
    struct Case
    {
        int32_t style;
        quillon::Rectangle size;
        int16_t downY;
        quillon::Rectangle text;
    };
    const Case cases[] = {
        {0, {0, 0, 74, 214}, 142, {0, 81, 74, 72}},
        {1, {0, 0, 62, 286}, 210, {0, 110, 62, 136}},
        {2, {0, 0, 135, 214}, 143, {0, 80, 135, 74}}, // wide: a year in the value font
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        box.setStyle(c.style);
        EXPECT_EQ(box.getRect(), c.size);
        EXPECT_EQ(box.getUpButton().getX(), 2);
        EXPECT_EQ(box.getUpButton().getY(), 1);
        EXPECT_EQ(box.getDownButton().getY(), c.downY);
        EXPECT_EQ(box.getValueText().getRect(), c.text);
    }
}

TEST_F(SpinBoxTest, AStyleResetsTheArrowsButKeepsTheArrowStyle)
{
    box.setArrowStyle(2);
    EXPECT_EQ(box.getUpButton().getIcon().getId(), 186);
    EXPECT_EQ(box.getDownButton().getIcon().getId(), 95);
    box.setStyle(1);
    EXPECT_EQ(box.getUpButton().getIcon().getId(), 153);
    EXPECT_EQ(box.getDownButton().getIcon().getId(), 140);
    EXPECT_EQ(box.getArrowStyle(), 2);
    box.setArrowStyle(7); // stored, no icon changes
    EXPECT_EQ(box.getArrowStyle(), 7);
    EXPECT_EQ(box.getUpButton().getIcon().getId(), 153);
}

TEST_F(SpinBoxTest, DisabledTakesNoTouchesAndFadesAllButTheValue)
{
    box.setMinimum(0);
    box.setMaximum(9);
    box.setValue(8);
    box.setXY(100, 100);
    const std::vector<quillon::Color> enabled = drawn(box);
    box.setDisabled(true);
    EXPECT_FALSE(box.getUpButton().isTouchable());
    EXPECT_FALSE(box.getDownButton().isTouchable());
    const std::vector<quillon::Color> disabled = drawn(box);
    // Black value text over the faded background: its darkest pixels stay black.
    const quillon::Rectangle textArea = box.getValueText().getAbsoluteRect();
    EXPECT_GT(frame.count(0x0000, textArea), 0);
    EXPECT_NE(differenceBounds(enabled, disabled), quillon::Rectangle());
    box.setDisabled(false);
    EXPECT_TRUE(box.getUpButton().isTouchable());
    EXPECT_EQ(drawn(box), enabled);
}
