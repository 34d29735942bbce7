#ifndef GUI_VIEWMODES_EXTERNALCONNECTIONVIEWMODE_HPP
#define GUI_VIEWMODES_EXTERNALCONNECTIONVIEWMODE_HPP

#include "gui/common/IView.hpp"
#include "gui/common/IViewMode.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/TextField.hpp"

// Tells that a heating circuit is switched by an external connection and cannot be changed
// here. Home and back only end the mode: the owner decides where to go.
class ExternalConnectionViewMode : public IViewMode
{
public:
    static const uint8_t LINES = 3;

    explicit ExternalConnectionViewMode(IView& owner);

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void tick() override {}

    const guicontrols::TextField& getLine(uint8_t index) const { return lines[index % LINES]; }

private:
    IView* modeOwner;
    guicontrols::Frame infoFrame;
    guicontrols::TextField titleField;
    guicontrols::TextField lines[LINES];
};

#endif
