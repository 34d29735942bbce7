#include "guicontrols/Content.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/widgets/Box.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
class ChangeCounter
{
public:
    ChangeCounter() : callback(this, &ChangeCounter::onChange) {}
    void onChange() { ++changes; }

    quillon::Callback<ChangeCounter> callback;
    int changes = 0;
};
} // namespace

TEST_F(WidgetTest, ContentResetGivesBackTheInitialWidth)
{
    Content content(0, 72, 800, 337);
    ChangeCounter counter;
    content.setChangeCallback(counter.callback);
    quillon::Box page;
    page.setPosition(850, 20, 100, 100);
    page.setColor(0xF800);
    content.add(page);
    content.setWidth(1600);
    content.setX(-800);
    EXPECT_EQ(counter.changes, 2);
    frame.fill(SENTINEL);
    frame.draw(content, Rectangle(800, 0, 800, 337)); // the second page
    EXPECT_EQ(frame.count(0xF800), 100 * 100);

    content.reset();
    EXPECT_EQ(counter.changes, 3);
    EXPECT_EQ(content.getRect(), Rectangle(0, 72, 800, 337));
    EXPECT_FALSE(content.contains(page));
    frame.fill(SENTINEL);
    frame.draw(content);
    EXPECT_EQ(frame.count(0x0000, Rectangle(0, 72, 800, 337)), 800 * 337); // the background only
    EXPECT_EQ(frame.count(SENTINEL), 800 * (480 - 337));
}
