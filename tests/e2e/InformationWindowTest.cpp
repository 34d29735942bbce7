#include "e2e/SimulatorWindow.hpp"

#include "support/screen/AppTestBed.hpp"

#include "gui/common/GenericView.hpp"
#include "gui/screens/info/DHWView.hpp"
#include "gui/screens/info/GeneralView.hpp"
#include "gui/screens/menu/MenuView.hpp"

#include <quillon/TypedText.hpp>

#include <string>
#include <vector>

namespace e2e
{
namespace
{
const quillon::TextId TEXT_INFORMATION = 996;
const quillon::TextId TEXT_GENERAL = 814;
const quillon::TextId TEXT_DHW = 1159;
const int MENU_X = 40;
const int MENU_Y = 35;
const quillon::Rectangle TITLE(0, 0, SCREEN_WIDTH, 72);
// The list's labels and, beside them, its values.
const quillon::Rectangle LABELS(0, 72, 480, 337);
const quillon::Rectangle VALUES(480, 72, 210, 337);

struct Tap
{
    int x;
    int y;
};

// The road through the headless application: where each tap lands and what the two lists look
// like, so the window can be driven and compared the same way.
struct Road
{
    std::vector<Tap> toGeneral;
    Tap back{0, 0};
    Tap toDhw{0, 0};
    Picture general;
    Picture dhw;
    std::string generalTitle;
    std::string dhwTitle;
    bool complete = false;
};

std::string utf8(const quillon::WideChar* text)
{
    std::string out;
    for (; text != nullptr && *text != 0; ++text) {
        out += *text < 0x80 ? static_cast<char>(*text) : '?';
    }
    return out;
}

Tap tap(test::AppTestBed& shell, const quillon::Drawable& target)
{
    const quillon::Rectangle r = target.getAbsoluteRect();
    const Tap where{r.x + r.width / 2, r.y + r.height / 2};
    shell.bed.click(static_cast<int16_t>(where.x), static_cast<int16_t>(where.y));
    shell.bed.ticks(5);
    return where;
}

bool tapTile(test::AppTestBed& shell, quillon::TextId text, Tap& where)
{
    MenuView* menu = shell.screen<MenuView>();
    if (menu == nullptr) {
        return false;
    }
    const std::u16string wanted(reinterpret_cast<const char16_t*>(quillon::TypedText(text).getText()));
    for (uint32_t n = 0; n < menu->getTileCount(); ++n) {
        if (std::u16string(reinterpret_cast<const char16_t*>(menu->getTile(n).getText())) == wanted) {
            where = tap(shell, menu->getTile(n));
            return true;
        }
    }
    return false;
}

Road headlessRoad()
{
    Road road;
    test::AppTestBed shell;
    shell.bed.ticks(1 + 250 + 2); // past the splash
    shell.bed.click(MENU_X, MENU_Y);
    shell.bed.ticks(5);
    road.toGeneral.push_back({MENU_X, MENU_Y});
    Tap where;
    if (!tapTile(shell, TEXT_INFORMATION, where)) {
        return road;
    }
    road.toGeneral.push_back(where);
    if (!tapTile(shell, TEXT_GENERAL, where)) {
        return road;
    }
    road.toGeneral.push_back(where);
    GeneralView* general = shell.screen<GeneralView>();
    if (general == nullptr) {
        return road;
    }
    road.generalTitle = utf8(general->getTitle());
    road.general = pictureOf(shell);
    road.back = tap(shell, general->getBottomBar().getButton(GenericView::BACK_BUTTON));
    if (!tapTile(shell, TEXT_DHW, road.toDhw) || shell.screen<DHWView>() == nullptr) {
        return road;
    }
    road.dhwTitle = utf8(shell.screen<DHWView>()->getTitle());
    road.dhw = pictureOf(shell);
    road.complete = true;
    return road;
}

class InformationWindow : public SimulatorWindow
{
};

// Menu, "Information", "General", back and "DHW" in the real window; each list as the headless
// application draws it with the same seeded values.
TEST_F(InformationWindow, TheGeneralAndHotWaterListsFromTheInformationMenu)
{
    const Road road = headlessRoad();
    ASSERT_TRUE(road.complete) << "the headless road did not reach both lists";
    ASSERT_TRUE(startProgram()) << "no window captioned \"Quillon simulator\"";
    waitPastSplash();
    for (const Tap& step : road.toGeneral) {
        click(step.x, step.y);
    }
    Picture general;
    ASSERT_TRUE(screenshot("img00.bmp", general)) << "no readable screenshots/img00.bmp";
    EXPECT_EQ(differingPixels(general, road.general, TITLE, true), 0) << "img00.bmp is not titled " << road.generalTitle;
    EXPECT_EQ(differingPixels(general, road.general, LABELS, true), 0) << "img00.bmp lists other lines";
    EXPECT_GT(drawnPixels(general, VALUES), 0) << "img00.bmp shows no values";
    EXPECT_EQ(differingPixels(general, road.general, VALUES, true), 0) << "img00.bmp shows other than the seeded values";

    click(road.back.x, road.back.y);
    click(road.toDhw.x, road.toDhw.y);
    Picture dhw;
    ASSERT_TRUE(screenshot("img01.bmp", dhw)) << "no readable screenshots/img01.bmp";
    EXPECT_EQ(differingPixels(dhw, road.dhw, TITLE, true), 0) << "img01.bmp is not titled " << road.dhwTitle;
    EXPECT_EQ(differingPixels(dhw, road.dhw, LABELS, true), 0) << "img01.bmp lists other lines";
    EXPECT_GT(drawnPixels(dhw, VALUES), 0) << "img01.bmp shows no values";
    EXPECT_EQ(differingPixels(dhw, road.dhw, VALUES, true), 0) << "img01.bmp shows other than the seeded values";
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace
} // namespace e2e
