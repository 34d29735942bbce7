#include "guicontrols/TileSelector.hpp"
#include "guicontrols/editors/EditorFixture.hpp"

#include <quillon/Screen.hpp>

using namespace guicontrols;
using namespace guicontrols::test;

class TileSelectorTest : public EditorTest
{
};

TEST_F(TileSelectorTest, KeepsAtMostThreeTiles)
{
    TileSelector five(5);
    EXPECT_EQ(five.getTileCount(), 3);
    EXPECT_EQ(five.getSelectedTile(), 0);
    EXPECT_TRUE(five.getTile(0).isChecked());
    five.setSelectedTile(7);
    EXPECT_FALSE(five.getTile(0).isChecked());
    EXPECT_EQ(five.getSelectedTile(), 0); // none checked reads as 0
    five.setSelectedTile(2);
    EXPECT_EQ(five.getSelectedTile(), 2);
}

TEST_F(TileSelectorTest, IgnoresTilesBeyondItsCount)
{
    TileSelector two(2);
    const quillon::WideChar* before = two.getTile(2).getText();
    two.setTile(2, quillon::TypedText(803), quillon::Bitmap(109));
    EXPECT_EQ(two.getTile(2).getText(), before);
    two.setTile(1, quillon::TypedText(803), quillon::Bitmap(109));
    EXPECT_EQ(u16(two.getTile(1).getText()), u"Departure date");
    two.setSelectedTile(2);
    EXPECT_FALSE(two.getTile(2).isChecked());
}

TEST_F(TileSelectorTest, AClickChecksOnlyItsTile)
{
    TileSelector selector(2);
    quillon::Screen screen;
    quillon::Container area;
    area.setPosition(0, 100, 800, 280);
    selector.layoutIn(area);
    screen.add(area);
    application.switchScreen(&screen);
    frame.frames(1);
    const quillon::Rectangle second = selector.getTile(1).getAbsoluteRect();
    frame.click(static_cast<int16_t>(second.x + 10), static_cast<int16_t>(second.y + 10));
    EXPECT_EQ(selector.getSelectedTile(), 1);
    EXPECT_FALSE(selector.getTile(0).isChecked());
    frame.click(static_cast<int16_t>(second.x + 10), static_cast<int16_t>(second.y + 10));
    EXPECT_TRUE(selector.getTile(1).isChecked()); // stays checked
}
