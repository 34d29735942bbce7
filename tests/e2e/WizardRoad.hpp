#ifndef TESTS_E2E_WIZARDROAD_HPP
#define TESTS_E2E_WIZARDROAD_HPP

#include "e2e/SimulatorWindow.hpp"

#include "support/screen/AppTestBed.hpp"

#include "gui/common/GenericView.hpp"

#include <quillon/Drawable.hpp>

#include <string>
#include <vector>

namespace e2e
{
// One touch of a road: where, the frames the headless application runs after it and how long
// the window needs to follow it.
struct Touch
{
    int x = 0, y = 0;
    uint32_t ticks = 3;
    int settle = 600;
};

Touch centreOf(const quillon::Drawable& widget, uint32_t ticks = 3, int settle = 600);
Touch bottomButton(const GenericView& view, uint8_t index);
// The "Yes" or "No" of the question the frame shows now, if any.
bool answerOf(const GenericView* view, bool yes, Touch& touch);

// A road drawn headlessly: the touches and, after each, the picture the window must show.
struct Road
{
    std::vector<Touch> touches;
    std::vector<Picture> pictures;
    // Per picture, an area left out: what moves on its own in the window.
    std::vector<quillon::Rectangle> unsteady;
    // Where the road did not get through; empty when it did.
    std::string stoppedAt;
};

void step(test::AppTestBed& shell, Road& road, const Touch& touch);
// From the home screen past the splash: Menu, "Start-up", OK, the wizard's "Continue".
bool toWizard(test::AppTestBed& shell, Road& road);
// On from the wizard's start: three "Yes" and "Continue" on the detection lists, to the system
// scheme.
bool toScheme(test::AppTestBed& shell, Road& road);

// Walks the window along the road, a screenshot after every touch held against its picture,
// the top bar and each picture's unsteady area aside. The screenshots are kept under the build
// tree's gallery as e2e/<name>-NN.png for people to look at.
class RoadWindow : public SimulatorWindow
{
protected:
    void walk(const Road& road, const std::string& name);
};
} // namespace e2e

#endif
