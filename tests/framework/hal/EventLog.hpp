#ifndef QUILLON_TEST_FRAMEWORK_EVENTLOG_HPP
#define QUILLON_TEST_FRAMEWORK_EVENTLOG_HPP

#include <quillon/UIEventListener.hpp>

#include <string>
#include <vector>

namespace quillon
{
namespace test
{
// Writes every input event it receives as one readable line.
class EventLog : public UIEventListener
{
public:
    void onClick(const ClickEvent& e) override
    {
        static const char* const names[] = {"press", "release", "cancel"};
        lines.push_back(std::string(names[e.getType()]) + " " + point(e.getX(), e.getY()));
    }
    void onDrag(const DragEvent& e) override
    {
        lines.push_back("drag " + point(e.getOldX(), e.getOldY()) + " -> " + point(e.getNewX(), e.getNewY()));
    }
    void onGesture(const GestureEvent& e) override
    {
        lines.push_back(std::string(e.getType() == GestureEvent::SWIPE_HORIZONTAL ? "swipe horizontal "
                                                                                   : "swipe vertical ") +
                        std::to_string(e.getVelocity()) + " at " + point(e.getX(), e.getY()));
    }
    void onKey(uint8_t key) override { lines.push_back("key " + std::to_string(key)); }

    static std::string point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

    std::vector<std::string> lines;
};
} // namespace test
} // namespace quillon

#endif
