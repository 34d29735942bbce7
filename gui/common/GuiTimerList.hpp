#ifndef GUI_COMMON_GUITIMERLIST_HPP
#define GUI_COMMON_GUITIMERLIST_HPP

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace gui
{

class GuiTimer;

// The running GUI timers, in the order of their first start. The application owns the one
// list; timers find it through getInstance() while it lives.
class GuiTimerList
{
public:
    static const uint16_t MAX_TIMERS = 8;

    GuiTimerList();
    ~GuiTimerList();

    GuiTimerList(const GuiTimerList&) = delete;
    GuiTimerList& operator=(const GuiTimerList&) = delete;

    static GuiTimerList* getInstance() { return instance; }

    // A ninth distinct timer stops the program with "Vector capacity exceeded".
    void registerTimer(GuiTimer* timer);
    void unregisterTimer(GuiTimer* timer);
    void clearTimers() { timers.clear(); }
    // Every running timer gets the elapsed time, first started first; a listener may stop or
    // start timers meanwhile.
    void tick(uint32_t ms);

    uint16_t size() const { return timers.size(); }
    bool contains(const GuiTimer* timer) const;

private:
    static GuiTimerList* instance;
    quillon::Vector<GuiTimer*, MAX_TIMERS> timers;
};

} // namespace gui

#endif
