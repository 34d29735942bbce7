#ifndef GUI_COMMON_BASEVIEW_HPP
#define GUI_COMMON_BASEVIEW_HPP

#include "gui/common/GenericView.hpp"

#include <quillon/View.hpp>

// The base of every screen's view: the framework's view of its presenter joined with the
// common frame, over one screen object.
template <class P>
class BaseView : public quillon::View<P>, public GenericView
{
public:
    explicit BaseView(TitleFunctor* titleFunctor) : quillon::View<P>(), GenericView(titleFunctor) {}
    ~BaseView() override {}
};

#endif
