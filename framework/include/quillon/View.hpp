#ifndef QUILLON_VIEW_HPP
#define QUILLON_VIEW_HPP

#include <quillon/Screen.hpp>

namespace quillon
{
// A screen that knows its presenter. The screen base is virtual so that a view that also
// derives from a common screen frame holds one screen; the most-derived view builds it.
template <class P>
class View : public virtual Screen
{
public:
    View() : presenter(nullptr) {}
    ~View() override {}

    // Called once by the screen change, after view and presenter are both built.
    void bind(P& newPresenter) { presenter = &newPresenter; }

protected:
    P* presenter; // null until bind; not owned
};
} // namespace quillon

#endif
