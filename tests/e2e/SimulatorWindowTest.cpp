#include "e2e/SimulatorWindow.hpp"

#include <thread>

namespace e2e
{
// The splash, then the page the commissioning state decides, as the headless application
// draws them with the same assets and the same seeded device values.
TEST_F(SimulatorWindow, RunsTheSplashThenShowsTheDecidedPage)
{
    const Picture splash = headlessScreen(10);
    const Picture after = headlessScreen(1 + 1 + 250 + 2);
    ASSERT_TRUE(startProgram()) << "no window captioned \"Quillon simulator\"";
    EXPECT_EQ(command(display, "xdotool getwindowgeometry " + window).find("Geometry: 800x480") != std::string::npos,
              true);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));

    const quillon::Rectangle logo(132, 143, 536, 114);
    const quillon::Rectangle bar(176, 314, 447, 39);
    Picture early;
    ASSERT_TRUE(screenshot("img00.bmp", early)) << "no readable screenshots/img00.bmp";
    ASSERT_EQ(early.width, SCREEN_WIDTH);
    ASSERT_EQ(early.height, SCREEN_HEIGHT);
    EXPECT_EQ(differingPixels(early, splash, logo, true), 0) << "img00.bmp shows no splash logo";

    click(400, 200, 1000);
    Picture later;
    ASSERT_TRUE(screenshot("img01.bmp", later)) << "no readable screenshots/img01.bmp";
    EXPECT_GT(drawnPixels(later, bar), drawnPixels(early, bar)) << "the bar did not grow";
    EXPECT_EQ(differingPixels(early, later, bar, false), 0) << "more than the bar changed during the splash";

    waitPastSplash();
    Picture decided;
    ASSERT_TRUE(screenshot("img02.bmp", decided)) << "no readable screenshots/img02.bmp";
    // The top bar's clock may turn a minute between the headless drawing and the screenshot.
    const quillon::Rectangle clock(680, 0, SCREEN_WIDTH - 680, 70);
    EXPECT_EQ(differingPixels(decided, after, clock, false), 0) << "img02.bmp is not the decided page";
    EXPECT_GT(drawnPixels(decided, clock), 0) << "img02.bmp shows no clock";
    EXPECT_TRUE(isRunning(program)) << "the program ended on its own";
}
} // namespace e2e
