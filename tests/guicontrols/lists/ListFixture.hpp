#ifndef GUICONTROLS_TESTS_LISTS_LISTFIXTURE_HPP
#define GUICONTROLS_TESTS_LISTS_LISTFIXTURE_HPP

#include "guicontrols/ButtonItem.hpp"
#include "guicontrols/IActionContentProvider.hpp"
#include "guicontrols/ListControl.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/widgets/Box.hpp>

#include <vector>

namespace guicontrols
{
namespace test
{
const quillon::Color LIST_BACKGROUND = 0x2945;

// Button lines "Action n"; records the lines run.
class RecordingActions : public IActionContentProvider
{
public:
    const quillon::WideChar* getText(uint32_t) override { return w(u"Run the test"); }
    void execute(uint32_t index) override { executed.push_back(index); }
    std::vector<uint32_t> executed;
};

// The bitmaps before any member is built: the list's buttons take their sizes from them.
struct BitmapsFirst
{
    BitmapsFirst() { BitmapDatabase::registerDatabase(); }
};

// A list as the list screens place it, on a plain background.
class ListTest : private BitmapsFirst, public WidgetTest
{
protected:
    static const int16_t LIST_X = 0;
    static const int16_t LIST_Y = 72;
    static const int16_t LIST_WIDTH = 800;
    static const int16_t LIST_HEIGHT = 337;

    void SetUp() override
    {
        WidgetTest::SetUp();
        background.setPosition(0, 0, 800, 480);
        background.setColor(LIST_BACKGROUND);
        list.setLayout(ListControl::Layout());
        list.setPosition(LIST_X, LIST_Y, LIST_WIDTH, LIST_HEIGHT);
        screen.add(background);
        screen.add(list);
        application.switchScreen(&screen);
    }

    void show()
    {
        application.invalidate();
        frame.frames(1);
    }

    // Clicks at a point on the display and lets the release arrive.
    void clickAt(int16_t x, int16_t y)
    {
        frame.touch().press(x, y);
        frame.frames(2);
        frame.touch().release();
        frame.frames(2);
    }

    static quillon::Rectangle onScreen(const quillon::Drawable& drawable) { return drawable.getAbsoluteRect(); }

    quillon::Screen screen;
    quillon::Box background;
    ListControl list;
};
} // namespace test
} // namespace guicontrols

#endif
