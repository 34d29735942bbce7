#ifndef QUILLON_TEST_TESTAPPLICATION_HPP
#define QUILLON_TEST_TESTAPPLICATION_HPP

#include <quillon/Application.hpp>

namespace quillon
{
namespace test
{
// The framework's application registered as the instance, with its state open to tests.
// Make it the HAL's listener (hal.setListener(&app)) to receive touches, keys and ticks.
class TestApplication : public Application
{
public:
    TestApplication() { instance = this; }
    ~TestApplication() override
    {
        currentScreen = nullptr;
        currentTransition = nullptr;
    }

    // What the page switch writes when it builds a page.
    static Screen*& currentScreenPointer() { return currentScreen; }
    static Transition*& currentTransitionPointer() { return currentTransition; }

    const Vector<Rectangle, MAX_CACHED_AREAS>& cachedAreas() const { return cachedDirtyAreas; }
    const Vector<Rectangle, MAX_CACHED_AREAS>& lastFrameAreas() const { return lastRects; }
    bool isDrawCaching() const { return drawCacheEnabled; }
    uint16_t timerWidgetCount() const { return timerWidgets.size(); }
};
} // namespace test
} // namespace quillon

#endif
