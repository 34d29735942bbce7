#include "guicontrols/Palette.hpp"
#include "guicontrols/SystemScheme.hpp"
#include "guicontrols/SystemSchemeDeviceButton.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/Box.hpp>

#include <memory>
#include <vector>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
enum
{
    B0, B1, B2, B3, B4, B5, B6, B7, B8
};

using Configuration = SystemScheme::Configuration;

Configuration config(uint8_t scheme, uint32_t solar, uint32_t second, uint32_t boiler, uint8_t flag1 = 0,
                     uint8_t flag2 = 0)
{
    Configuration c;
    c.scheme = scheme;
    c.solarCode = solar;
    c.secondCode = second;
    c.boilerCode = boiler;
    c.flag1 = flag1;
    c.flag2 = flag2;
    return c;
}

class Children
{
public:
    explicit Children(quillon::Container& container) : callback(this, &Children::count)
    {
        container.forEachChild(callback);
    }
    void count(quillon::Drawable&) { ++number; }
    int number = 0;

private:
    quillon::Callback<Children, quillon::Drawable&> callback;
};

class SystemSchemeTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        scheme.reset(new SystemScheme(0, 0));
        removeView.reset(new SystemScheme(1, 0));
    }

    bool shows(const SystemScheme& s, int tile) const { return s.contains(s.getTile(static_cast<uint8_t>(tile))); }
    Rectangle at(int tile) const { return scheme->getTile(static_cast<uint8_t>(tile)).getRect(); }

    static void record(void* context, int id) { static_cast<std::vector<int>*>(context)->push_back(id); }

    std::unique_ptr<SystemScheme> scheme;
    std::unique_ptr<SystemScheme> removeView;
};
} // namespace

TEST_F(SystemSchemeTest, SchemeSixWithEverything)
{
    Configuration c = config(6, 27, 84, 57, 1, 1);
    c.circuitOptions[1] = 1;
    scheme->setConfiguration(c);
    struct Case
    {
        int tile;
        int16_t x, y;
    };
    const Case cases[] = {{B0, 20, 20}, {B1, 127, 70}, {B2, 234, 70}, {B3, 341, 70},
                          {B5, 448, 70}, {B6, 555, 20}, {B7, 662, 20}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.tile);
        EXPECT_TRUE(shows(*scheme, k.tile));
        EXPECT_EQ(at(k.tile).x, k.x);
        EXPECT_EQ(at(k.tile).y, k.y);
    }
    EXPECT_FALSE(shows(*scheme, B4));
    EXPECT_FALSE(shows(*scheme, B8));
    EXPECT_EQ(scheme->getTile(B6).getDeviceType(), 7u);
    EXPECT_EQ(scheme->getTile(B6).getNumber(), 1);
    EXPECT_EQ(scheme->getTile(B7).getDeviceType(), 8u);
    EXPECT_EQ(scheme->getTile(B7).getNumber(), 2);
    EXPECT_EQ(scheme->getTile(B7).getLineStyle(), 4u);
    EXPECT_EQ(scheme->getTile(B3).getLineStyle(), 2u); // even scheme: the boiler's full line
    // Generator tiles (194 + 20) at y 70 and circuit tiles (244 + 20) at y 20 end on one line.
    EXPECT_EQ(at(B3).bottom(), 284);
    EXPECT_EQ(at(B6).bottom(), 284);
}

TEST_F(SystemSchemeTest, DefaultConfiguration)
{
    scheme->setConfiguration(Configuration());
    EXPECT_FALSE(shows(*scheme, B0));
    EXPECT_TRUE(shows(*scheme, B3));
    EXPECT_EQ(at(B3).x, 127);
    EXPECT_EQ(at(B3).y, 70);
    EXPECT_EQ(scheme->getTile(B3).getLineStyle(), 0u);
    EXPECT_TRUE(shows(*scheme, B6));
    EXPECT_EQ(at(B6).x, 234);
    EXPECT_EQ(at(B6).y, 20);
    EXPECT_EQ(scheme->getTile(B6).getLineStyle(), 1u);
    EXPECT_EQ(scheme->getScheme(), 1);
}

TEST_F(SystemSchemeTest, LayoutRules)
{
    scheme->setConfiguration(config(0, 27, 84, 57));
    EXPECT_EQ(Children(*scheme).number, 0); // scheme 0: empty

    scheme->setConfiguration(config(3, 27, 84, 57, 0, 1)); // odd with solar: shown as 4
    EXPECT_EQ(scheme->getScheme(), 4);
    EXPECT_EQ(scheme->getSecondFlag(), 0); // cleared by the odd number asked for
    EXPECT_TRUE(shows(*scheme, B0));
    EXPECT_TRUE(shows(*scheme, B1));
    EXPECT_EQ(at(B3).x, 234);
    EXPECT_EQ(at(B7).x, 341);
    EXPECT_EQ(scheme->getTile(B7).getLineStyle(), 1u);
    EXPECT_FALSE(shows(*scheme, B6));

    for (uint32_t boiler : {58u, 59u, 60u}) { // the compact boiler stands where the cylinder stood
        SCOPED_TRACE(boiler);
        scheme->setConfiguration(config(2, 84, 84, boiler, 1, 1));
        EXPECT_FALSE(shows(*scheme, B1));
        EXPECT_FALSE(shows(*scheme, B2));
        EXPECT_FALSE(shows(*scheme, B3));
        EXPECT_TRUE(shows(*scheme, B4));
        EXPECT_EQ(at(B4).x, 127);
        EXPECT_EQ(at(B4).y, 70);
        EXPECT_EQ(shows(*scheme, B0), boiler == 60); // code 60 shows the collector without solar
        EXPECT_EQ(scheme->getFirstFlag(), boiler == 60 ? 0 : 1);
    }

    // The second cylinder only in an even scheme with boiler 57 and a solar controller.
    scheme->setConfiguration(config(2, 84, 84, 57, 0, 1));
    EXPECT_FALSE(shows(*scheme, B2));
    scheme->setConfiguration(config(2, 26, 84, 57, 0, 1));
    EXPECT_TRUE(shows(*scheme, B2));

    scheme->setConfiguration(config(11, 27, 84, 57)); // no layout: collector and generator only
    EXPECT_TRUE(shows(*scheme, B3));
    EXPECT_FALSE(shows(*scheme, B6) || shows(*scheme, B7) || shows(*scheme, B8));

    Configuration three = config(9, 84, 84, 57);
    three.circuitOptions[0] = 2;
    three.circuitOptions[1] = 1;
    three.circuitOptions[2] = 7; // low two bits: 3
    scheme->setConfiguration(three);
    EXPECT_EQ(scheme->getTile(B6).getDeviceType(), 9u);
    EXPECT_EQ(scheme->getTile(B7).getDeviceType(), 8u);
    EXPECT_EQ(scheme->getTile(B8).getDeviceType(), 10u);
    EXPECT_EQ(at(B7).x, at(B6).right() + 10);
    EXPECT_EQ(at(B8).x, at(B7).right() + 10);
}

TEST_F(SystemSchemeTest, RemoveView)
{
    struct Case
    {
        uint8_t scheme;
        bool removeCircuit;
    };
    const Case cases[] = {{1, false}, {2, false}, {3, false}, {5, true}, {6, true}, {7, false}, {9, true}, {10, true}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.scheme);
        removeView->setConfiguration(config(k.scheme, 84, 84, 57));
        EXPECT_EQ(removeView->contains(removeView->getRemoveCircuitButton()), k.removeCircuit);
        EXPECT_FALSE(removeView->contains(removeView->getRemoveCylinderButton()));
        EXPECT_FALSE(removeView->getTile(B3).isTouchable());
    }
    const Rectangle circuit = removeView->getTile(B6).getRect();
    const Rectangle remover = removeView->getRemoveCircuitButton().getRect();
    EXPECT_EQ(remover.x, circuit.x + circuit.width / 2 - 71 / 2);
    EXPECT_EQ(remover.bottom(), circuit.bottom() - 5);

    removeView->setConfiguration(config(2, 27, 84, 57, 0, 1));
    EXPECT_TRUE(removeView->contains(removeView->getRemoveCylinderButton()));
    const Rectangle cylinder = removeView->getTile(B2).getRect();
    EXPECT_EQ(cylinder.y, 20);
    EXPECT_EQ(cylinder.height, 302); // display-only cylinder: the tall frame
    EXPECT_EQ(removeView->getRemoveCylinderButton().getY(), cylinder.bottom() - 5 - 71);
}

TEST_F(SystemSchemeTest, TileFramesAndSizes)
{
    SystemSchemeDeviceButton tile;
    EXPECT_EQ(tile.getDeviceType(), 11u);
    EXPECT_EQ(tile.getWidth(), 224);
    struct Case
    {
        uint32_t type, mode;
        int16_t height;
        uint32_t lineStyle;
        bool touchable;
    };
    const Case cases[] = {
        {4, 0, 194 + 20, 2, true}, {7, 0, 244 + 20, 2, true}, {2, 0, 302, 5, true},
        {3, 1, 302, 5, false},     {4, 1, 194 + 20, 2, false}, {8, 1, 244 + 20, 2, false},
        {1, 2, 302 + 20, 2, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(&k - cases);
        tile.setDevice(k.type, 0, k.mode, 2);
        EXPECT_EQ(tile.getWidth(), 97);
        EXPECT_EQ(tile.getHeight(), k.height);
        EXPECT_EQ(tile.getLineStyle(), k.lineStyle);
        EXPECT_EQ(tile.isTouchable(), k.touchable);
    }
    tile.setDevice(5, 0, 0, 0);
    tile.setMode(SystemSchemeDeviceButton::LOOSE_SELECTED);
    EXPECT_EQ(tile.getRect().height, 302);
    EXPECT_EQ(tile.getIcon().getId(), 48);
}

// Lines end at the display's right edge; a tile from x 790 on keeps a width of 0.
TEST_F(SystemSchemeTest, PipesStopAtTheDisplayEdge)
{
    const quillon::Color white = Palette::entry(11);
    struct Case
    {
        int16_t x;
        int16_t lineStart; // style 2: from X - 11
        int16_t stubX;     // X + W / 2
    };
    const Case cases[] = {{100, 89, 148}, {750, 739, 769}, {790, 779, 790}, {795, 784, 795}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.x);
        SystemSchemeDeviceButton tile;
        tile.setDevice(4, 0, 0, 2);
        tile.setXY(k.x, 100);
        const int16_t lineY = static_cast<int16_t>(100 + 214 - 15 + 25);
        frame.fill(SENTINEL);
        tile.drawPipes(Rectangle(0, 0, 800, 480));
        EXPECT_EQ(frame.at(static_cast<int16_t>(k.lineStart - 1), lineY), SENTINEL);
        EXPECT_EQ(frame.at(k.lineStart, lineY), white);
        EXPECT_EQ(frame.at(k.stubX, static_cast<int16_t>(lineY - 10)), white);
        EXPECT_EQ(frame.at(static_cast<int16_t>(k.stubX - 1), static_cast<int16_t>(lineY - 10)), SENTINEL);
        if (k.x > 700) {
            EXPECT_EQ(frame.at(799, lineY), white);
        }
        EXPECT_EQ(frame.count(SENTINEL, Rectangle(0, static_cast<int16_t>(lineY + 4), 800, 1)), 800); // no wrap
    }
}

// The pipes belong to the scheme's redraw: a redraw of the gap between two tiles or of a
// single tile repaints the line inside it, and nothing outside the redrawn area.
TEST_F(SystemSchemeTest, PipeLineStaysWholeUnderPartialRedraws)
{
    quillon::Screen screen;
    quillon::Box background;
    background.setPosition(0, 0, 800, 480);
    background.setColor(SENTINEL);
    screen.add(background);
    scheme->setConfiguration(config(6, 27, 84, 57, 1, 1));
    screen.add(*scheme);
    frame.fill(0);
    frame.draw(screen);
    const std::vector<quillon::Color> whole = snapshot(frame);
    const int16_t lineY = 20 + 264 + 10;
    // One line from the cylinder's stub (127 + 48) to the end of the last circuit's bar.
    EXPECT_EQ(frame.count(Palette::entry(11), Rectangle(175, lineY, 662 + 97 - 175, 1)), 662 + 97 - 175);
    EXPECT_EQ(frame.at(174, lineY), SENTINEL);

    // Redraw in strips 23 wide, cut across tiles, gaps and pipes: the same picture.
    frame.fill(0);
    for (int16_t x = 0; x < 800; x = static_cast<int16_t>(x + 23)) {
        Rectangle strip(x, 0, 23, 480);
        screen.draw(strip);
    }
    EXPECT_EQ(snapshot(frame), whole);

    // A popup beside a redrawn tile stays untouched.
    frame.fill(0);
    Rectangle tileOnly = scheme->getTile(B1).getRect();
    screen.draw(tileOnly);
    EXPECT_EQ(differenceBounds(std::vector<quillon::Color>(800 * 480, 0), snapshot(frame)), tileOnly);
}

TEST_F(SystemSchemeTest, HeldTileCallsTheHandlerOnceOnRelease)
{
    std::vector<int> clicks;
    scheme->setClickHandler(&clicks, &SystemSchemeTest::record);
    scheme->setConfiguration(config(6, 27, 84, 57, 1, 1));
    quillon::Screen screen;
    screen.add(*scheme);
    application.switchScreen(&screen);
    frame.frames(1);

    frame.touch().press(580, 100); // B6
    frame.frames(40);
    EXPECT_TRUE(clicks.empty());
    frame.touch().release();
    frame.frames(2);
    EXPECT_EQ(clicks, std::vector<int>{5});

    frame.click(60, 100);  // B0
    frame.click(150, 150); // B1
    frame.click(360, 150); // B3
    EXPECT_EQ(clicks, (std::vector<int>{5, 2, 3, 1}));

    scheme->setClickHandler(nullptr, &SystemSchemeTest::record); // no context: nothing called
    frame.click(360, 150);
    EXPECT_EQ(clicks.size(), 4u);
}
