#include "e2e/ScreenWalk.hpp"

#include "gui/screens/menu/MenuView.hpp"

#include "../guicontrols/Gallery.hpp"

#include <algorithm>
#include <vector>

namespace e2e
{
namespace
{
// The splash's frames until the decided page is drawn, as the program runs them.
const uint32_t SPLASH_FRAMES = 1 + 250 + 2;
// A press and a release, the page change on the next tick and its first drawing.
const uint32_t CLICK_FRAMES = 3;
// The date and time at the top bar's right end.
const quillon::Rectangle BESIDE_CLOCK(0, 0, 686, SCREEN_HEIGHT);
const quillon::Rectangle BELOW_CLOCK(686, 70, SCREEN_WIDTH - 686, SCREEN_HEIGHT - 70);
// The bottom bar's right arrow, which turns a menu to its second page.
const int RIGHT_ARROW_X = 5 * 134 + 65, BAR_Y = 445;
} // namespace

ScreenWalk::ScreenWalk()
{
    shell.bed.ticks(SPLASH_FRAMES);
}

void ScreenWalk::click(int x, int y)
{
    shell.bed.click(static_cast<int16_t>(x), static_cast<int16_t>(y));
    shell.bed.ticks(CLICK_FRAMES);
}

Picture ScreenWalk::picture()
{
    return pictureOf(shell);
}

bool ScreenWalk::menuTileTo(const pagemanager::Page& target, int& x, int& y)
{
    MenuView* menu = shell.screen<MenuView>();
    for (uint32_t i = 0; menu != nullptr && i < menu->getTileCount(); i++) {
        if (menu->getTile(i).getTarget() == &target) {
            centreOf(menu->getTile(i), x, y);
            return true;
        }
    }
    return false;
}

void ScreenWalk::centreOf(const quillon::Drawable& widget, int& x, int& y)
{
    const quillon::Rectangle area = widget.getAbsoluteRect();
    x = area.x + area.width / 2;
    y = area.y + area.height / 2;
}

bool ScreenWindow::startPastSplash()
{
    if (!startProgram()) {
        return false;
    }
    waitPastSplash();
    return true;
}

void ScreenWindow::both(int x, int y)
{
    walk.click(x, y);
    click(x, y);
}

bool ScreenWindow::shot(const char* file, const std::string& name, Picture& picture)
{
    if (!screenshot(file, picture)) {
        return false;
    }
    const std::vector<quillon::Color> pixels(picture.pixels.begin(), picture.pixels.end());
    EXPECT_TRUE(guicontrols::test::writeGalleryPng("e2e/" + name, picture.width, picture.height, pixels));
    return true;
}

bool ScreenWindow::openMenuTile(const pagemanager::Page& target)
{
    int x = 0, y = 0;
    if (!walk.menuTileTo(target, x, y)) {
        return false;
    }
    if (x >= SCREEN_WIDTH) {
        both(RIGHT_ARROW_X, BAR_Y);
        walk.menuTileTo(target, x, y);
    }
    both(x, y);
    return true;
}

std::string ScreenWindow::differencesFromHeadless(const Picture& window)
{
    const Picture headless = walk.picture();
    return differences(window, headless, BESIDE_CLOCK) + differences(window, headless, BELOW_CLOCK);
}

std::string differences(const Picture& window, const Picture& headless, const quillon::Rectangle& area)
{
    int count = 0;
    int left = SCREEN_WIDTH, top = SCREEN_HEIGHT, right = -1, bottom = -1;
    for (int y = area.y; y < area.y + area.height; y++) {
        for (int x = area.x; x < area.x + area.width; x++) {
            if (window.at(x, y) != headless.at(x, y)) {
                count++;
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (count == 0) {
        return "";
    }
    return std::to_string(count) + " pixels differ within x " + std::to_string(left) + ".." + std::to_string(right) +
           ", y " + std::to_string(top) + ".." + std::to_string(bottom) + "; ";
}
} // namespace e2e
