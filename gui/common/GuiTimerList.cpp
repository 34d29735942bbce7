#include "gui/common/GuiTimerList.hpp"

#include "gui/common/GuiTimer.hpp"

namespace gui
{

GuiTimerList* GuiTimerList::instance = nullptr;

GuiTimerList::GuiTimerList()
{
    instance = this;
}

GuiTimerList::~GuiTimerList()
{
    if (instance == this) {
        instance = nullptr;
    }
}

bool GuiTimerList::contains(const GuiTimer* timer) const
{
    return timers.contains(const_cast<GuiTimer*>(timer));
}

void GuiTimerList::registerTimer(GuiTimer* timer)
{
    if (!contains(timer)) {
        timers.add(timer);
    }
}

void GuiTimerList::unregisterTimer(GuiTimer* timer)
{
    timers.remove(timer);
}

void GuiTimerList::tick(uint32_t ms)
{
    // The size is read again on every step: a listener may have stopped itself, and then the
    // next timer has moved into its place and must not miss this tick.
    uint16_t i = 0;
    while (i < timers.size()) {
        GuiTimer* timer = timers[i];
        timer->tick(ms);
        if (i < timers.size() && timers[i] == timer) {
            ++i;
        }
    }
}

} // namespace gui
