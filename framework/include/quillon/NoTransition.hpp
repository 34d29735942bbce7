#ifndef QUILLON_NOTRANSITION_HPP
#define QUILLON_NOTRANSITION_HPP

#include <quillon/Transition.hpp>

namespace quillon
{
// Done at its first tick: the new screen simply appears.
class NoTransition : public Transition
{
public:
    void onTick() override { done = true; }
};
} // namespace quillon

#endif
