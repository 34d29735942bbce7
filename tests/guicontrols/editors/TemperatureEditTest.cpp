#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/TemperatureEdit.hpp"
#include "guicontrols/editors/EditorFixture.hpp"

using namespace guicontrols;
using namespace guicontrols::test;

namespace
{
class TemperatureEditTest : public EditorTest
{
protected:
    void plus() { edit.onButtonClicked(edit.getPlusButton()); }
    void minus() { edit.onButtonClicked(edit.getMinusButton()); }
    std::u16string text() const { return u16(edit.getText()); }

    TemperatureEdit edit;
};
} // namespace

TEST_F(TemperatureEditTest, StepsStopAtTheBounds)
{
    edit.setMinimum(3);
    edit.setMaximum(37);
    edit.setValue(3);
    minus();
    EXPECT_EQ(edit.getValue(), 3);
    EXPECT_EQ(text(), u"3\u00B0");
    edit.setValue(37);
    plus();
    EXPECT_EQ(edit.getValue(), 37);
    minus();
    EXPECT_EQ(text(), u"36\u00B0");
}

TEST_F(TemperatureEditTest, SettingOutsideTheBoundsClamps)
{
    edit.setMinimum(3);
    edit.setMaximum(37);
    edit.setValue(40);
    EXPECT_EQ(edit.getValue(), 37);
    edit.setValue(1);
    EXPECT_EQ(edit.getValue(), 3);
    edit.setMinimum(10); // raises the value, leaves the text
    EXPECT_EQ(edit.getValue(), 10);
    EXPECT_EQ(text(), u"3\u00B0");
}

TEST_F(TemperatureEditTest, NoTextUntilAValueIsSet)
{
    edit.setMinimum(5);
    edit.setMaximum(30);
    EXPECT_EQ(text(), u"");
    drawn(edit);
    EXPECT_EQ(frame.count(Palette::entry(11), edit.getValueText().getRect()), 0);
    edit.setValue(21);
    drawn(edit);
    EXPECT_GT(frame.count(Palette::entry(11), edit.getValueText().getRect()), 100);
}

TEST_F(TemperatureEditTest, Layout)
{
    EXPECT_EQ(edit.getRect(), quillon::Rectangle(0, 0, 600, 200));
    EXPECT_EQ(edit.getPlusButton().getRect(), quillon::Rectangle(400, 0, 80, 80));
    EXPECT_EQ(edit.getMinusButton().getRect(), quillon::Rectangle(400, 100, 80, 80));
    EXPECT_EQ(edit.getValueText().getX() + edit.getValueText().getWidth(), 290);
}

// The widest setpoint text fits its field: nothing of it is cut off.
TEST_F(TemperatureEditTest, TwoDigitsFitTheField)
{
    edit.setMaximum(99);
    edit.setValue(88);
    const quillon::Font* font = edit.getValueText().getFont();
    ASSERT_NE(font, nullptr);
    EXPECT_LE(LiteralText::getWidth(font, edit.getText()), edit.getValueText().getWidth());
}
