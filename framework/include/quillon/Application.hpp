#ifndef QUILLON_APPLICATION_HPP
#define QUILLON_APPLICATION_HPP

#include <quillon/UIEventListener.hpp>
#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace quillon
{
class Drawable;
class Screen;
class Transition;

// The framework's single application object: passes input and the frame tick to the
// current screen, runs the transition into it, ticks timer widgets, and collects the
// areas invalidated during a frame so that they are drawn merged at its end.
class Application : public UIEventListener
{
public:
    static const uint16_t MAX_TIMER_WIDGETS = 16;
    static const uint16_t MAX_CACHED_AREAS = 8;

    static Application* getInstance() { return instance; }

    void onClick(const ClickEvent& event) override;
    void onDrag(const DragEvent& event) override;
    void onGesture(const GestureEvent& event) override;
    void onKey(uint8_t key) override;
    void onTick() override;
    ~Application() override;

    virtual void switchScreen(Screen* newScreen);
    virtual void emptyHook(uint8_t) {}
    // Invalidates the whole display.
    virtual void invalidate();
    // Clips area to the display (written back to the caller), then draws it at once or,
    // while caching, collects it.
    virtual void invalidateScreenArea(Rectangle& area);
    // On: collect invalidated areas. Off: draw what was collected (and what the previous
    // frame drew, when two frame buffers alternate).
    virtual void setDrawCaching(bool on);

    // A widget registered n times stays ticked until it is removed n times.
    void addTimerWidget(Drawable* d);
    void removeTimerWidget(Drawable* d);
    void clearAllTimerWidgets();

    // Merges r into the collected areas; at most MAX_CACHED_AREAS stay, none overlapping.
    void cacheArea(Rectangle r);

protected:
    Application();

    // Null until a derived application registers itself.
    static Application* instance;
    // The page switch writes these directly when it builds a page.
    static Screen* currentScreen;
    static Transition* currentTransition;

    Vector<Drawable*, MAX_TIMER_WIDGETS> timerWidgets;
    uint8_t timerWidgetCounter[MAX_TIMER_WIDGETS]; // 0: due for removal at the next tick
    Vector<Rectangle, MAX_CACHED_AREAS> cachedDirtyAreas;
    Vector<Rectangle, MAX_CACHED_AREAS> lastRects; // drawn in the previous frame
    bool drawCacheEnabled;
    bool transitionHandled;

private:
    void removeExpiredTimerWidgets();
};
} // namespace quillon

#endif
