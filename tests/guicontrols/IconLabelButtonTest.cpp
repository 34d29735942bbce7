#include "guicontrols/CheckableButtonWithLabel.hpp"
#include "guicontrols/CheckableIconButton.hpp"
#include "guicontrols/CheckableSmallButton.hpp"
#include "guicontrols/SmallButton.hpp"
#include "guicontrols/IconLabelButton.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/containers/Container.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

// A bottom-bar button whose label line is cut by the redrawn area draws the cut part of the
// label, never a gap.
TEST_F(WidgetTest, IconLabelButtonRedrawnInPartsLooksAsWhole)
{
    static const char16_t label[] = u"Continue 100%";
    IconLabelButton button;
    button.setBitmaps(quillon::Bitmap(0), quillon::Bitmap(1));
    button.setXY(300, 411);
    button.setIcon(quillon::Bitmap(208));
    const std::vector<quillon::Color> icon = drawn(button);
    button.setLabel(w(label));
    const std::vector<quillon::Color> whole = drawn(button);
    EXPECT_NE(whole, icon); // the label replaces the icon
    EXPECT_EQ(drawnInParts(button, bands(134, 69, 5)), whole);
    EXPECT_GT(frame.count(Palette::entry(11), Rectangle(300, 411, 134, 69)), 0);

    const quillon::Color red = Palette::entry(9);
    button.setLabelColor(&red); // read at every draw
    drawn(button);
    EXPECT_GT(frame.count(red, Rectangle(300, 411, 134, 69)), 0);
    button.setLabel(nullptr);
    EXPECT_EQ(drawn(button), icon);
}

TEST_F(WidgetTest, CheckMarksShowOnlyWhileChecked)
{
    CheckableIconButton icon;
    icon.setBitmaps(quillon::Bitmap(16), quillon::Bitmap(18));
    icon.setIcon(quillon::Bitmap(109));
    EXPECT_EQ(icon.getCheckMarkBitmap(), 17);
    CheckableSmallButton small;
    static const char16_t text[] = u"Monday to Friday";
    small.setText(w(text));
    CheckableButtonWithLabel day;
    day.setBitmaps(quillon::Bitmap(13), quillon::Bitmap(15));
    day.setLabel(963);
    day.setCheckMarkBitmap(quillon::Bitmap(14));

    std::vector<std::pair<quillon::Drawable*, ICheckable*>> buttons = {{&icon, &icon}, {&small, &small}, {&day, &day}};
    for (auto& entry : buttons) {
        entry.first->setXY(40, 40);
        const std::vector<quillon::Color> unchecked = drawn(*entry.first);
        entry.second->toggle();
        EXPECT_TRUE(entry.second->isChecked());
        const std::vector<quillon::Color> checked = drawn(*entry.first);
        EXPECT_NE(checked, unchecked);
        EXPECT_EQ(drawnInParts(*entry.first, bands(entry.first->getWidth(), entry.first->getHeight(), 13)), checked);
        entry.second->setChecked(false);
        EXPECT_EQ(drawn(*entry.first), unchecked);
    }
}

// Arrays of day buttons are filled from one prototype that already sits in a container.
TEST_F(WidgetTest, CopiedLabelButtonIsNotLinkedIntoThePrototypesContainer)
{
    quillon::Container list;
    list.setPosition(0, 0, 800, 480);
    CheckableButtonWithLabel prototype;
    prototype.setBitmaps(quillon::Bitmap(13), quillon::Bitmap(15));
    prototype.setLabel(963);
    prototype.setChecked(true);
    list.add(prototype);
    CheckableButtonWithLabel copy(prototype);
    EXPECT_EQ(copy.getParent(), nullptr);
    EXPECT_TRUE(copy.isChecked());
    list.add(copy); // would assert or corrupt the list if the links were copied
    EXPECT_TRUE(list.contains(copy));
    EXPECT_EQ(drawn(copy), drawn(prototype));
}

// "Monday to Friday" wraps to two lines, which do not fit below a quarter of the height:
// both lines stay on the button.
TEST_F(WidgetTest, SmallButtonKeepsTwoLinesOnTheButton)
{
    static const char16_t oneLine[] = u"Check";
    static const char16_t twoLines[] = u"Monday to Friday";
    SmallButton button;
    button.setXY(300, 200);
    const std::vector<quillon::Color> bare = drawn(button);
    button.setText(w(oneLine));
    const Rectangle one = differenceBounds(bare, drawn(button));
    EXPECT_GE(one.y - 200, 70 / 4);
    button.setText(w(twoLines));
    const std::vector<quillon::Color> whole = drawn(button);
    const Rectangle two = differenceBounds(bare, whole);
    EXPECT_GT(two.height, one.height + 10);
    EXPECT_EQ(frame.count(SENTINEL) - frame.count(SENTINEL, Rectangle(300, 200, 142, 70)),
              800 * 480 - 142 * 70); // nothing past the button
    EXPECT_LT(two.bottom(), 200 + 70 - 1);
    EXPECT_EQ(drawnInParts(button, bands(142, 70, 6)), whole);
}
