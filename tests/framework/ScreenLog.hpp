#ifndef QUILLON_TEST_FRAMEWORK_SCREENLOG_HPP
#define QUILLON_TEST_FRAMEWORK_SCREENLOG_HPP

#include <quillon/Screen.hpp>
#include <quillon/Widget.hpp>

#include <string>
#include <vector>

namespace quillon
{
namespace test
{
typedef std::vector<std::string> Log;

inline std::string describe(const Rectangle& r)
{
    return std::to_string(r.x) + "," + std::to_string(r.y) + "," + std::to_string(r.width) + "," +
           std::to_string(r.height);
}

// A screen that writes what the application asks of it into a log.
class LoggingScreen : public virtual Screen
{
public:
    explicit LoggingScreen(Log& log, const std::string& name = "screen") : log(log), name(name) {}

    void draw(Rectangle& area) override { log.push_back(name + " draw " + describe(area)); }
    void setUp() override { log.push_back(name + " setUp"); }
    void tearDown() override { log.push_back(name + " tearDown"); }
    void onTransitionDone() override { log.push_back(name + " transitionDone"); }
    void onTick() override { log.push_back(name + " tick"); }
    void onClick(const ClickEvent& e) override { log.push_back(name + " click " + std::to_string(e.getType())); }
    void onDrag(const DragEvent&) override { log.push_back(name + " drag"); }
    void onGesture(const GestureEvent&) override { log.push_back(name + " gesture"); }
    void onKey(uint8_t key) override { log.push_back(name + " key " + std::to_string(key)); }

protected:
    Log& log;
    std::string name;
};

// A widget that counts its ticks and may run an action from them.
class TickingWidget : public Widget
{
public:
    void draw(const Rectangle&) const override {}
    Rectangle getOpaqueArea() const override { return Rectangle(); }
    void onTick() override
    {
        ticks++;
        if (onEachTick) {
            onEachTick(*this);
        }
    }

    int ticks = 0;
    void (*onEachTick)(TickingWidget&) = nullptr;
};
} // namespace test
} // namespace quillon

#endif
