#ifndef GUI_SCREENS_SERVICE_VENTINGPRESENTER_HPP
#define GUI_SCREENS_SERVICE_VENTINGPRESENTER_HPP

#include "gui/screens/service/FillingPresenter.hpp"

// The venting screen's presenter: the same points and commands as filling.
class VentingPresenter : public FillingPresenter
{
public:
    explicit VentingPresenter(IView& view) : FillingPresenter(view) {}
    ~VentingPresenter() override {}
};

#endif
