#ifndef GUI_SCREENS_SERVICE_VENTINGVIEW_HPP
#define GUI_SCREENS_SERVICE_VENTINGVIEW_HPP

#include "gui/screens/service/ProgrammeView.hpp"
#include "gui/screens/service/VentingPresenter.hpp"

// Venting. Inside the wizard its end, however it came, records the step and returns to the
// wizard's first step.
class VentingView : public ProgrammeView<VentingPresenter>
{
public:
    static const quillon::TextId TITLE_TEXT = 919;
    static const quillon::TextId REQUEST_TEXT = 920;
    static const quillon::TextId HELP_TEXT = 709;
    static const uint32_t VENTING_BIT = 0x0008;

    VentingView();
    ~VentingView() override {}

protected:
    void start() override;
    void onProgrammeEnded() override;
};

#endif
