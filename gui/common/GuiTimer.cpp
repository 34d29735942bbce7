#include "gui/common/GuiTimer.hpp"

#include "gui/common/GuiTimerList.hpp"

namespace gui
{

void GuiTimer::start(uint32_t period, ITimerEventListener* listener)
{
    elapsedMs = 0;
    periodMs = period;
    timerListener = listener;
    GuiTimerList* list = GuiTimerList::getInstance();
    if (list != nullptr) {
        list->registerTimer(this);
    }
}

void GuiTimer::stop()
{
    GuiTimerList* list = GuiTimerList::getInstance();
    if (list != nullptr) {
        list->unregisterTimer(this);
    }
}

void GuiTimer::tick(uint32_t ms)
{
    elapsedMs += ms;
    if (elapsedMs <= periodMs) {
        return;
    }
    if (timerListener != nullptr && !timerListener->onTimer(*this, elapsedMs)) {
        stop();
    }
    // The listener may have restarted us with another period. A period of 0 fires on every
    // tick rather than dividing by zero.
    elapsedMs = periodMs == 0 ? 0 : elapsedMs % periodMs;
}

} // namespace gui
