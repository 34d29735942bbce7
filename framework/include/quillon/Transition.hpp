#ifndef QUILLON_TRANSITION_HPP
#define QUILLON_TRANSITION_HPP

namespace quillon
{
class Container;

// The effect that leads into a new screen; ticked by the application until done.
// This base never finishes by itself: a derived transition sets done in its onTick.
class Transition
{
public:
    Transition() : screenContainer(nullptr), done(false) {}
    virtual ~Transition() {}

    virtual void onTick() {}
    // Called once when the application first finds the transition done, and again just
    // before it is destroyed at the next screen change.
    virtual void tearDown() {}
    virtual void init() {}
    virtual void setScreenContainer(Container& container) { screenContainer = &container; }

    bool isDone() const { return done; }

protected:
    Container* screenContainer; // the root of the screen being entered; not owned
    bool done;
};
} // namespace quillon

#endif
