#ifndef GUI_APP_INTERIMPRESENTER_HPP
#define GUI_APP_INTERIMPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

// The presenter of the interim screen: it shows nothing of the model.
class InterimPresenter : public BasePresenter
{
public:
    explicit InterimPresenter(IView& view) : BasePresenter(view) {}
};

#endif
