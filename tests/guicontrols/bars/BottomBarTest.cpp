#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/Screen.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
class IndexRecorder
{
public:
    IndexRecorder() : callback(this, &IndexRecorder::onButton) {}
    void onButton(int index) { indexes.push_back(index); }

    quillon::Callback<IndexRecorder, int> callback;
    std::vector<int> indexes;
};

class BottomBarTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        bar.setButtonCallback(recorder.callback);
        screen.add(bar);
        application.switchScreen(&screen);
        frame.frames(1);
    }

    static int16_t centreOf(int index) { return static_cast<int16_t>(index * 134 + 65); }

    // The bar sizes its buttons from the bitmaps when it is built.
    struct Bitmaps
    {
        Bitmaps() { BitmapDatabase::registerDatabase(); }
    } bitmaps;
    quillon::Screen screen;
    BottomBar bar{0, 409, 800, 71};
    IndexRecorder recorder;
};
} // namespace

TEST_F(BottomBarTest, TakesTouchesOnlyOnButtonsWithAnIconOrALabel)
{
    for (int i = 0; i < 6; ++i) {
        frame.click(centreOf(i), 445);
    }
    EXPECT_TRUE(recorder.indexes.empty());

    const quillon::BitmapId icons[] = {208, 204, 207, 214, 209};
    for (uint8_t i = 0; i < 5; ++i) {
        bar.setButtonIcon(i, icons[i]);
    }
    bar.setButtonText(5, 1168, &Palette::entry(11));
    for (int i = 0; i < 6; ++i) {
        frame.click(centreOf(i), 445);
    }
    EXPECT_EQ(recorder.indexes, (std::vector<int>{0, 1, 2, 3, 4, 5}));

    recorder.indexes.clear();
    bar.clearButton(2);
    bar.setButtonTouchable(4, false);
    for (int i = 0; i < 6; ++i) {
        frame.click(centreOf(i), 445);
    }
    EXPECT_EQ(recorder.indexes, (std::vector<int>{0, 1, 3, 5}));
    bar.clearAllButtons();
    bar.setAllButtonsTouchable(true); // touchable again, though bare
    frame.click(centreOf(5), 445);
    EXPECT_EQ(recorder.indexes.back(), 5);
}

TEST_F(BottomBarTest, SpansTheDisplayWithTheLastButtonNarrowed)
{
    EXPECT_EQ(bar.getButton(0).getRect(), Rectangle(0, 2, 134, 69));
    EXPECT_EQ(bar.getButton(5).getRect(), Rectangle(670, 2, 130, 69));
    frame.fill(SENTINEL);
    frame.draw(screen);
    EXPECT_EQ(frame.count(Palette::entry(2), Rectangle(0, 409, 800, 2)), 1600);
    EXPECT_EQ(frame.count(SENTINEL, Rectangle(0, 409, 800, 71)), 0);
    EXPECT_EQ(frame.count(SENTINEL), 800 * 480 - 800 * 71);
}

// A label takes the icon's place and the icon comes back whole after it.
TEST_F(BottomBarTest, ShowsEitherTheIconOrTheLabel)
{
    const quillon::Color& white = Palette::entry(11);
    BottomBar labelOnly(0, 409, 800, 71);
    labelOnly.setButtonText(3, 1168, &white);
    const std::vector<quillon::Color> label = drawn(labelOnly);
    BottomBar iconOnly(0, 409, 800, 71);
    iconOnly.setButtonIcon(3, 208);
    const std::vector<quillon::Color> icon = drawn(iconOnly);
    ASSERT_NE(label, icon);

    bar.setButtonIcon(3, 208);
    bar.setButtonText(3, 1168, &white);
    EXPECT_EQ(drawn(bar), label);
    bar.setButtonIcon(3, 208);
    EXPECT_EQ(drawn(bar), icon);
}

TEST_F(BottomBarTest, ClickWithoutAValidCallbackIsIgnored)
{
    BottomBar bare(0, 409, 800, 71);
    screen.add(bare); // on top of the fixture's bar
    bare.setButtonIcon(5, 211);
    frame.click(centreOf(5), 445);
    quillon::Callback<IndexRecorder, int> unbound;
    bare.setButtonCallback(unbound);
    frame.click(centreOf(5), 445);
    EXPECT_TRUE(recorder.indexes.empty());
}

TEST_F(BottomBarTest, IndexPastTheSixButtonsIsAProgrammersError)
{
    EXPECT_DEATH(bar.setButtonIcon(6, 208), "Bottom-bar button index out of range");
    EXPECT_DEATH(bar.clearButton(255), "Bottom-bar button index out of range");
}
