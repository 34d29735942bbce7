#ifndef TESTS_E2E_SCREENWALK_HPP
#define TESTS_E2E_SCREENWALK_HPP

#include "e2e/SimulatorWindow.hpp"

#include "support/screen/AppTestBed.hpp"

#include <cstdint>
#include <string>

namespace e2e
{
// The headless application walked through the same clicks as the program in the window, so a
// window screenshot can be held against the drawing of the same state. It starts past the
// splash, on the page the program shows then.
class ScreenWalk
{
public:
    ScreenWalk();

    // A click and the frames a page change needs.
    void click(int x, int y);
    Picture picture();
    // The middle of the shown menu's tile that opens the page; false without such a tile.
    bool menuTileTo(const pagemanager::Page& target, int& x, int& y);
    // The middle of a widget on the screen.
    static void centreOf(const quillon::Drawable& widget, int& x, int& y);

    test::AppTestBed shell;
};

// A window test that walks the program and the headless application side by side.
class ScreenWindow : public SimulatorWindow
{
protected:
    // Starts the program and waits until it shows the page after the splash.
    bool startPastSplash();
    // The same click in the window and in the headless application.
    void both(int x, int y);
    // Clicks the shown menu's tile that opens the page, after the right arrow when the tile
    // stands on the menu's second page; false without such a tile.
    bool openMenuTile(const pagemanager::Page& target);
    // A screenshot, kept under the build tree's gallery as e2e/<name>.png for people to look at.
    bool shot(const char* file, const std::string& name, Picture& picture);
    // "" when the screenshot is the headless drawing, the clock apart (its minute may turn
    // between the two); else how many pixels differ and where.
    std::string differencesFromHeadless(const Picture& window);

    ScreenWalk walk;
};

// Pixels of the area that differ, as a count and a bounding box for the failure text.
std::string differences(const Picture& window, const Picture& headless, const quillon::Rectangle& area);
} // namespace e2e

#endif
