#ifndef GUI_VIEWMODES_SERVICEPINVIEWMODE_HPP
#define GUI_VIEWMODES_SERVICEPINVIEWMODE_HPP

#include "gui/common/IView.hpp"
#include "gui/common/IViewMode.hpp"
#include "gui/viewmodes/FrameCounter.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/TextField.hpp"

// Tells that the bus module sends its service PIN, and ends by itself after 250 frames.
class ServicePinViewMode : public IViewMode
{
public:
    static const uint32_t SHOWN_FRAMES = 250;

    explicit ServicePinViewMode(IView& owner);

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar&) override {}
    void onBottomBarButton(int) override {}
    void tick() override;

private:
    IView* modeOwner;
    guicontrols::Frame infoFrame;
    guicontrols::TextField titleField;
    guicontrols::TextField messageField;
    FrameCounter counter;
};

#endif
