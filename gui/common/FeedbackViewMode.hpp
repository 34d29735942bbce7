#ifndef GUI_COMMON_FEEDBACKVIEWMODE_HPP
#define GUI_COMMON_FEEDBACKVIEWMODE_HPP

#include "gui/common/IView.hpp"
#include "gui/common/IViewMode.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/RotatingIcon.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// A message in a frame that ends by itself after a time-out, or on button 5. No popup comes
// up over it: a popup raised meanwhile waits until the message has gone.
class FeedbackViewMode : public IViewMode
{
public:
    static const uint16_t MESSAGE_CAPACITY = 200;
    static const uint32_t DEFAULT_TIMEOUT_MS = 4000;
    static const uint32_t FRAME_MS = 16;
    static const uint8_t CONTINUE_BUTTON = 5;

    explicit FeedbackViewMode(IView& owner);

    // Texts are the caller's; second and top-right may be null. With a first argument the
    // message is a format ("%s") read into the mode's own buffer.
    void setup(const quillon::WideChar* title, const quillon::WideChar* message, const quillon::WideChar* secondText,
               const quillon::WideChar* argument1, const quillon::WideChar* argument2,
               const quillon::WideChar* topRightText);
    virtual void disableAutoClose() { autoClose = false; }
    void setTimeout(uint8_t seconds) { feedbackTimeoutMs = seconds * 1000u; }
    void setBusyIndicator(bool shown) { showBusy = shown; }
    void setLayoutOffsets(int16_t message, int16_t secondText, int16_t busy);
    void useContinueButton() { iconButton = false; }

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void tick() override;
    bool allowsPopups() override { return false; }

    const guicontrols::Frame& getFrame() const { return feedbackFrame; }
    const guicontrols::TextField& getMessageField() const { return messageField; }
    const guicontrols::TextField& getTitleField() const { return titleField; }
    const guicontrols::TextField& getTopRightField() const { return topRightField; }
    const guicontrols::RotatingIcon& getBusyIcon() const { return busyIcon; }

private:
    void finish();

    IView* modeOwner;
    uint32_t feedbackElapsedMs;
    bool autoClose;
    uint32_t feedbackTimeoutMs;
    int16_t messageOffset;
    int16_t secondTextOffset;
    int16_t busyOffset;
    guicontrols::Frame feedbackFrame;
    guicontrols::TextField messageField;
    guicontrols::TextField secondTextField;
    guicontrols::TextField titleField;
    guicontrols::TextField topRightField;
    guicontrols::RotatingIcon busyIcon;
    bool showBusy;
    bool iconButton;
    bool hasTopRight;
    quillon::WideChar messageBuffer[MESSAGE_CAPACITY];
};

#endif
