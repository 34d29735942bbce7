// The gallery of the lists: a list of 100 mixed lines as the information screens fill it,
// shown at its top and after scrolling; written to widget-gallery/lists.png for review.

#include "ListFixture.hpp"

#include "guicontrols/BaseTextItem.hpp"
#include "guicontrols/FavouritesItem.hpp"
#include "guicontrols/Gallery.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/SimpleTextProvider.hpp"
#include "guicontrols/SubTextItem.hpp"
#include "guicontrols/TextImageProvider.hpp"
#include "guicontrols/TextWithImageItem.hpp"

#include <deque>
#include <string>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
class ListsGalleryTest : public ListTest
{
protected:
    // Ten kinds of line, in turn: a heading, bulleted values, sub-items, a button, a
    // favourites entry and an image line.
    void fill()
    {
        for (uint32_t i = 0; i < 100; ++i) {
            const std::string number = std::to_string(i + 1);
            names.push_back(u"Line " + std::u16string(number.begin(), number.end()));
            const quillon::WideChar* name = w(names.back().c_str());
            switch (i % 10) {
            case 0:
                texts.emplace_back(name, w(u""), 0);
                addText();
                break;
            case 1:
            case 2:
            case 3:
                texts.emplace_back(name, w(u"21°C"), 1);
                addText();
                break;
            case 4:
            case 5:
                texts.emplace_back(name, w(u"45.5 %%"), 0);
                subItems.emplace_back(&texts.back());
                list.add(&subItems.back());
                break;
            case 6:
                buttons.emplace_back(&actions, i);
                list.add(&buttons.back());
                break;
            case 7:
                favouriteEntries.emplace_back(name, static_cast<uint8_t>(i % 20 == 7));
                favourites.emplace_back();
                favourites.back().setProvider(&favouriteEntries.back());
                list.add(&favourites.back());
                break;
            default:
                images.emplace_back(name, static_cast<uint16_t>(80 + i % 2));
                imageItems.emplace_back(&images.back());
                list.add(&imageItems.back());
                break;
            }
        }
        list.updateItems();
    }

    void addText()
    {
        textItems.emplace_back(&texts.back(), 0);
        list.add(&textItems.back());
    }

    RecordingActions actions;
    std::deque<std::u16string> names;
    std::deque<SimpleTextProvider> texts;
    std::deque<BaseTextItem> textItems;
    std::deque<SubTextItem> subItems;
    std::deque<ButtonItem> buttons;
    std::deque<FavouritesProvider> favouriteEntries;
    std::deque<FavouritesItem> favourites;
    std::deque<TextImageProvider> images;
    std::deque<TextWithImageItem> imageItems;
};
} // namespace

TEST_F(ListsGalleryTest, Lists)
{
    fill();
    EXPECT_EQ(list.getCount(), 100u);
    show();
    const std::vector<quillon::Color> top = snapshot(frame);
    const quillon::Color lineColor = Palette::entry(0);
    // The first heading's line spans from the items' left edge, 658 px.
    EXPECT_EQ(frame.count(lineColor, Rectangle(30, 72 + 20 + 64, 658, 2)), 658 * 2);

    const Rectangle down = onScreen(list.getDownButton());
    const int16_t downX = static_cast<int16_t>(down.x + 35);
    const int16_t downY = static_cast<int16_t>(down.y + 35);
    clickAt(downX, downY);
    clickAt(downX, downY);
    EXPECT_EQ(list.getScrollOffset(), 80);
    frame.touch().press(downX, downY);
    frame.frames(14);
    frame.touch().release();
    frame.frames(2);
    EXPECT_EQ(list.getScrollOffset(), 240); // three repeats while held, one step on release
    EXPECT_EQ(textItems[0].getY(), -240);
    // Line 4 (the third bulleted value) ends 4 x 66 px down: its separator sits at 264 - 2.
    EXPECT_EQ(frame.count(lineColor, Rectangle(30, static_cast<int16_t>(72 + 20 + 264 - 2 - 240), 658, 2)), 658 * 2);
    // Line 6 (a sub-item above the button) draws no line.
    const Rectangle aboveButton = onScreen(subItems[1]);
    EXPECT_FALSE(subItems[1].getLine().isVisible());
    EXPECT_EQ(frame.count(lineColor, Rectangle(30, static_cast<int16_t>(aboveButton.y + 64), 658, 2)), 0);

    // The button pressed and dragged off before the release runs nothing.
    const Rectangle button = onScreen(buttons[0]);
    frame.touch().press(static_cast<int16_t>(button.x + 100), static_cast<int16_t>(button.y + 30));
    frame.frames(2);
    frame.touch().press(static_cast<int16_t>(button.x + 100), static_cast<int16_t>(button.y + 150));
    frame.frames(2);
    frame.touch().release();
    frame.frames(2);
    EXPECT_TRUE(actions.executed.empty());
    const std::vector<quillon::Color> scrolled = snapshot(frame);
    show();
    EXPECT_EQ(snapshot(frame), scrolled); // the same picture drawn whole

    // Further down: the favourites entry and the image lines.
    for (int i = 0; i < 6; ++i) {
        clickAt(downX, downY);
    }
    EXPECT_EQ(list.getScrollOffset(), 480);
    EXPECT_EQ(onScreen(imageItems[0].getImage()).x, 30 + 669 - 70);
    const std::vector<quillon::Color> further = snapshot(frame);

    std::vector<quillon::Color> all = top;
    all.insert(all.end(), scrolled.begin(), scrolled.end());
    all.insert(all.end(), further.begin(), further.end());
    EXPECT_TRUE(writeGalleryPng("lists", 800, 1440, all));
}
