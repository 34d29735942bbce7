#ifndef GUI_VIEWMODES_RELAVO20GSMVIEWMODE_HPP
#define GUI_VIEWMODES_RELAVO20GSMVIEWMODE_HPP

#include "gui/common/IView.hpp"
#include "gui/common/IViewMode.hpp"
#include "gui/viewmodes/FrameCounter.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/TextField.hpp"
#include "model/IProperty.hpp"

#include <stdint.h>

// Tells that the SIM PIN has gone to the communication interface. State 0: the owner's
// property is asked afresh every 125 frames and the mode ends after 625 frames; state 1
// offers accept (5) and ends after 250 frames; any other state (2 at construction) waits.
class Relavo20GSMViewMode : public IViewMode
{
public:
    static const uint32_t REFRESH_PERIOD = 125;
    static const uint32_t SENDING_FRAMES = 625;
    static const uint32_t DONE_FRAMES = 250;
    static const uint8_t ACCEPT_BUTTON = 5;

    // The property may be null: nothing is refreshed then.
    Relavo20GSMViewMode(IView& owner, model::IProperty* refreshed);

    void setState(uint32_t value) { state = value; }
    uint32_t getState() const { return state; }
    // In place of the message; the caller's text.
    void setText(const quillon::WideChar* message);

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void tick() override;

private:
    void finish();

    IView* modeOwner;
    model::IProperty* refreshedProperty;
    uint32_t state;
    guicontrols::Frame infoFrame;
    guicontrols::TextField titleField;
    guicontrols::TextField messageField;
    FrameCounter counter;
};

#endif
