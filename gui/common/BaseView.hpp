#ifndef GUI_COMMON_BASEVIEW_HPP
#define GUI_COMMON_BASEVIEW_HPP

#include "gui/common/GenericView.hpp"

#include <quillon/View.hpp>

// The base of every screen's view: the framework's view of its presenter joined with the
// common frame, over one screen object. A view overrides update() for what changes while it
// is shown; refresh() stays the frame's.
template <class P>
class BaseView : public quillon::View<P>, public GenericView
{
public:
    explicit BaseView(TitleFunctor* titleFunctor) : quillon::View<P>(), GenericView(titleFunctor) {}
    ~BaseView() override {}

    // The pull recipe, written once for every screen: each frame of the default mode the frame
    // asks the presenter whether anything the screen shows changed, and only then the view
    // reads its presenter's getters again in update().
    void refresh() override
    {
        if (this->presenter != nullptr && this->presenter->hasDataChanged()) {
            update();
        }
    }
};

#endif
