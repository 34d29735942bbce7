#include "e2e/SimulatorWindow.hpp"

#include "gui/screens/infocircuit/HCxView.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "gui/screens/timeprogram/HeatingTimeProgramOverviewView.hpp"
#include "support/screen/AppTestBed.hpp"

#include <quillon/TypedText.hpp>

#include <string>

namespace e2e
{
namespace
{
const int MENU_X = 60; // the home screen's menu button, top left
const int MENU_Y = 35;
const quillon::TextId INFORMATION = 996;
const quillon::TextId HEATING_CIRCUIT_1 = 964;

struct Point
{
    int x;
    int y;
};

Point middleOf(const quillon::Drawable& target)
{
    const quillon::Rectangle r = target.getAbsoluteRect();
    return Point{r.x + r.width / 2, r.y + r.height / 2};
}

// The menu tile labelled with the text, or none.
const quillon::Drawable* tileNamed(const MenuView& menu, quillon::TextId text)
{
    for (uint32_t i = 0; i < menu.getTileCount(); ++i) {
        const std::u16string shown(reinterpret_cast<const char16_t*>(menu.getTile(i).getText()));
        if (shown == reinterpret_cast<const char16_t*>(quillon::TypedText(text).getText())) {
            return &menu.getTile(i);
        }
    }
    return nullptr;
}
} // namespace

// The user's road to a circuit's information and on to its time program, clicked in the real
// window; a headless twin of the application, clicked at the same places, draws what each
// screenshot must show.
class CircuitInformationWindow : public SimulatorWindow
{
protected:
    void clickBoth(test::AppTestBed& twin, Point at)
    {
        click(at.x, at.y, 1000);
        twin.bed.click(int16_t(at.x), int16_t(at.y));
        twin.bed.ticks(3);
    }
};

TEST_F(CircuitInformationWindow, MenuInformationHeatingCircuit1ThenItsTimeProgramReadOnly)
{
    test::AppTestBed twin;
    twin.bed.ticks(1 + 250 + 2); // past the splash
    ASSERT_EQ(twin.pageManager().getCurrentPage(), &twin.pages().mainPage) << "the seeded panel starts elsewhere";
    ASSERT_TRUE(startProgram()) << "no window captioned \"Quillon simulator\"";
    waitPastSplash();
    const quillon::Rectangle everything(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);

    clickBoth(twin, Point{MENU_X, MENU_Y});
    MenuView* mainMenu = twin.screen<MenuView>();
    ASSERT_NE(mainMenu, nullptr);
    ASSERT_EQ(twin.pageManager().getCurrentPage(), &twin.pages().mainMenuPage);
    const quillon::Drawable* information = tileNamed(*mainMenu, INFORMATION);
    ASSERT_NE(information, nullptr);
    Picture menu;
    ASSERT_TRUE(screenshot("img00.bmp", menu)) << "no readable screenshots/img00.bmp";
    EXPECT_EQ(differingPixels(menu, pictureOf(twin), everything, true), 0) << "img00.bmp is not the main menu";

    clickBoth(twin, middleOf(*information));
    MenuView* informationMenu = twin.screen<MenuView>();
    ASSERT_NE(informationMenu, nullptr);
    const quillon::Drawable* circuit1 = tileNamed(*informationMenu, HEATING_CIRCUIT_1);
    ASSERT_NE(circuit1, nullptr);

    clickBoth(twin, middleOf(*circuit1));
    HCxView* circuit = twin.screen<HCxView>();
    ASSERT_NE(circuit, nullptr);
    EXPECT_EQ(circuit->getCircuit(), 0);
    Picture list;
    ASSERT_TRUE(screenshot("img01.bmp", list)) << "no readable screenshots/img01.bmp";
    const quillon::Rectangle topBar(0, 0, SCREEN_WIDTH, GenericView::TOP_BAR_HEIGHT);
    const quillon::Rectangle entry = circuit->getActionItem().getButton().getAbsoluteRect();
    EXPECT_EQ(differingPixels(list, pictureOf(twin), topBar, true), 0) << "img01.bmp is not titled as circuit 1's list";
    EXPECT_EQ(differingPixels(list, pictureOf(twin), entry, true), 0) << "img01.bmp shows no \"Time program\" entry";
    EXPECT_LT(differingPixels(list, pictureOf(twin), everything, true), SCREEN_WIDTH * SCREEN_HEIGHT / 20)
        << "img01.bmp is not circuit 1's information list";

    clickBoth(twin, middleOf(circuit->getActionItem().getButton()));
    ASSERT_NE(twin.screen<HeatingTimeProgramOverviewView>(), nullptr);
    const HeatingCircuitParam* opened = twin.pageManager().getParam<HeatingCircuitParam>(nullptr);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->readOnly, 1);
    Picture program;
    ASSERT_TRUE(screenshot("img02.bmp", program)) << "no readable screenshots/img02.bmp";
    EXPECT_EQ(differingPixels(program, pictureOf(twin), everything, true), 0)
        << "img02.bmp is not circuit 1's read-only time program";
    EXPECT_TRUE(isRunning(this->program)) << "the program ended on its own";
}
} // namespace e2e
