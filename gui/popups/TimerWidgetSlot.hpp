#ifndef GUI_POPUPS_TIMERWIDGETSLOT_HPP
#define GUI_POPUPS_TIMERWIDGETSLOT_HPP

namespace quillon
{
class Drawable;
}

// A drawable's entry among the application's timer widgets, held at most once. The
// application counts registrations: a popup bound again while still registered would hold
// two and keep ticking after it unregisters once.
class TimerWidgetSlot
{
public:
    explicit TimerWidgetSlot(quillon::Drawable& owner) : owner(owner), registered(false) {}

    // Registered once, whether it was before or not.
    void start();
    void stop();
    bool isStarted() const { return registered; }

private:
    quillon::Drawable& owner;
    bool registered;
};

#endif
