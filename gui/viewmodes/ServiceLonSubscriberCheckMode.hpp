#ifndef GUI_VIEWMODES_SERVICELONSUBSCRIBERCHECKMODE_HPP
#define GUI_VIEWMODES_SERVICELONSUBSCRIBERCHECKMODE_HPP

#include "gui/common/IView.hpp"
#include "gui/common/IViewMode.hpp"
#include "gui/viewmodes/FrameCounter.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/TextField.hpp"

#include <stdint.h>

// Checks a bus subscriber. State 0: the check runs, its result is asked every 125 frames
// and shown, and the mode ends after 312 frames; state 1 ends after 250 frames; any other
// state (2 at construction) waits. The owner answers for the result.
class ServiceLonSubscriberCheckMode : public IViewMode
{
public:
    class IResult
    {
    public:
        virtual ~IResult() {}
        virtual bool isCheckOk() = 0;
    };

    static const uint32_t RESULT_PERIOD = 125;
    static const uint32_t CHECK_FRAMES = 312;
    static const uint32_t DONE_FRAMES = 250;

    ServiceLonSubscriberCheckMode(IView& owner, IResult& result);

    void setState(uint32_t value) { state = value; }
    uint32_t getState() const { return state; }
    // The subscriber shown under its label; the caller's text.
    void setText(const quillon::WideChar* subscriber);

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar&) override {}
    void onBottomBarButton(int) override {}
    void tick() override;

    const guicontrols::TextField& getStatusField() const { return statusField; }

private:
    void finish();

    IView* modeOwner;
    IResult* checkResult;
    uint32_t state;
    guicontrols::Frame infoFrame;
    guicontrols::TextField titleField;
    guicontrols::TextField labelField;
    guicontrols::TextField subscriberField;
    guicontrols::TextField statusField;
    FrameCounter counter;
};

#endif
