#include <quillon/Application.hpp>
#include <quillon/Assert.hpp>
#include <quillon/Drawable.hpp>
#include <quillon/Screen.hpp>
#include <quillon/Transition.hpp>
#include <quillon/hal/HAL.hpp>

namespace quillon
{
Application* Application::instance = nullptr;
Screen* Application::currentScreen = nullptr;
Transition* Application::currentTransition = nullptr;

namespace
{
int32_t areaOf(const Rectangle& r)
{
    return static_cast<int32_t>(r.width) * static_cast<int32_t>(r.height);
}
} // namespace

Application::Application() : drawCacheEnabled(false), transitionHandled(false)
{
    instance = nullptr;
    currentScreen = nullptr;
    currentTransition = nullptr;
    clearAllTimerWidgets();
}

Application::~Application()
{
    if (instance == this) {
        instance = nullptr;
    }
}

void Application::onClick(const ClickEvent& event)
{
    if (currentScreen != nullptr) {
        currentScreen->onClick(event);
    }
}

void Application::onDrag(const DragEvent& event)
{
    if (currentScreen != nullptr) {
        currentScreen->onDrag(event);
    }
}

void Application::onGesture(const GestureEvent& event)
{
    if (currentScreen != nullptr) {
        currentScreen->onGesture(event);
    }
}

void Application::onKey(uint8_t key)
{
    if (currentScreen != nullptr) {
        currentScreen->onKey(key);
    }
}

void Application::onTick()
{
    if (currentTransition != nullptr && !currentTransition->isDone()) {
        // Nothing else ticks while a transition runs.
        transitionHandled = false;
        currentTransition->onTick();
        return;
    }
    if (currentTransition != nullptr && !transitionHandled) {
        if (currentScreen != nullptr) {
            currentScreen->onTransitionDone();
        }
        currentTransition->tearDown();
        invalidate();
        transitionHandled = true;
    }

    // The size is re-read on every pass: a widget added during the pass is ticked in it.
    for (uint16_t i = 0; i < timerWidgets.size(); i++) {
        if (timerWidgetCounter[i] > 0) {
            timerWidgets[i]->onTick();
        }
    }
    removeExpiredTimerWidgets();

    if (currentScreen != nullptr) {
        currentScreen->onTick();
    }
}

// Removal waits until here so that a widget may unregister itself from its own onTick.
void Application::removeExpiredTimerWidgets()
{
    uint16_t i = 0;
    while (i < timerWidgets.size()) {
        if (timerWidgetCounter[i] != 0) {
            i++;
            continue;
        }
        timerWidgets.removeAt(i);
        const uint16_t newSize = timerWidgets.size();
        for (uint16_t j = i; j < newSize; j++) {
            timerWidgetCounter[j] = timerWidgetCounter[j + 1];
        }
        timerWidgetCounter[newSize] = 0;
    }
}

void Application::switchScreen(Screen* newScreen)
{
    QUILLON_ASSERT(newScreen);
    timerWidgets.clear();
    if (currentScreen != nullptr) {
        currentScreen->tearDown();
    }
    currentScreen = newScreen;
    newScreen->setUp();
    invalidate();
}

void Application::invalidate()
{
    Rectangle wholeDisplay(0, 0, static_cast<int16_t>(HAL::SCREEN_WIDTH), static_cast<int16_t>(HAL::SCREEN_HEIGHT));
    invalidateScreenArea(wholeDisplay);
}

void Application::invalidateScreenArea(Rectangle& area)
{
    area &= Rectangle(0, 0, static_cast<int16_t>(HAL::SCREEN_WIDTH), static_cast<int16_t>(HAL::SCREEN_HEIGHT));
    if (currentScreen == nullptr) {
        return;
    }
    if (drawCacheEnabled) {
        cacheArea(area);
        return;
    }
    Rectangle drawn = area;
    currentScreen->draw(drawn);
    HAL* hal = HAL::getInstance();
    if (hal != nullptr) {
        hal->presentFrameArea(area);
    }
}

void Application::cacheArea(Rectangle r)
{
    // Every change to r re-examines the whole cache, so one area can absorb several.
    bool restart = true;
    while (restart) {
        restart = false;
        if (r.isEmpty()) {
            return;
        }
        for (uint16_t i = 0; i < cachedDirtyAreas.size(); i++) {
            const Rectangle cached = cachedDirtyAreas[i];
            if (cached.includes(r)) {
                return;
            }
            if (r.includes(cached)) {
                cachedDirtyAreas.removeAt(i);
                restart = true;
                break;
            }
            if (cached.intersects(r)) {
                cachedDirtyAreas.removeAt(i);
                r.expandToFit(cached);
                restart = true;
                break;
            }
            // Merge when the union wastes less than a tenth of the two areas.
            Rectangle merged = r;
            merged.expandToFit(cached);
            if (static_cast<float>(areaOf(merged)) < 1.1f * static_cast<float>(areaOf(r) + areaOf(cached))) {
                cachedDirtyAreas.removeAt(i);
                r = merged;
                restart = true;
                break;
            }
        }
        if (restart) {
            continue;
        }
        if (cachedDirtyAreas.size() == MAX_CACHED_AREAS) {
            // No room: the oldest area joins the new one.
            r.expandToFit(cachedDirtyAreas.removeAt(0));
            restart = true;
            continue;
        }
        cachedDirtyAreas.add(r);
    }
}

void Application::setDrawCaching(bool on)
{
    drawCacheEnabled = on;
    if (on) {
        cachedDirtyAreas.clear();
        return;
    }
    if (cachedDirtyAreas.isEmpty()) {
        return;
    }
    const Vector<Rectangle, MAX_CACHED_AREAS> thisFrame = cachedDirtyAreas;
    // With two buffers the one drawn now still lacks what the previous frame drew.
    for (uint16_t i = 0; i < lastRects.size(); i++) {
        cacheArea(lastRects[i]);
    }
    for (uint16_t i = 0; i < cachedDirtyAreas.size(); i++) {
        if (!cachedDirtyAreas[i].isEmpty()) {
            Rectangle area = cachedDirtyAreas[i];
            invalidateScreenArea(area);
        }
    }
    if (HAL::USE_DUAL_BUFFERS) {
        lastRects = thisFrame;
    }
}

void Application::addTimerWidget(Drawable* d)
{
    for (uint16_t i = 0; i < timerWidgets.size(); i++) {
        if (timerWidgets[i] == d) {
            if (timerWidgetCounter[i] < 255) {
                timerWidgetCounter[i]++;
            }
            return;
        }
    }
    QUILLON_ASSERT(timerWidgets.size() < MAX_TIMER_WIDGETS);
    timerWidgets.add(d);
    timerWidgetCounter[timerWidgets.size() - 1] = 1;
}

void Application::removeTimerWidget(Drawable* d)
{
    for (uint16_t i = 0; i < timerWidgets.size(); i++) {
        if (timerWidgets[i] == d && timerWidgetCounter[i] > 0) {
            timerWidgetCounter[i]--;
            return;
        }
    }
}

void Application::clearAllTimerWidgets()
{
    timerWidgets.clear();
    for (uint16_t i = 0; i < MAX_TIMER_WIDGETS; i++) {
        timerWidgetCounter[i] = 0;
    }
}
} // namespace quillon
