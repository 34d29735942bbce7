#ifndef GUI_SCREENS_SERVICE_LANCARDRESCUEUPDATEVIEW_HPP
#define GUI_SCREENS_SERVICE_LANCARDRESCUEUPDATEVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/common/GuiTimer.hpp"
#include "gui/screens/service/LanCardRescueUpdatePresenter.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/RotatingIcon.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/widgets/Image.hpp>

// Asks, starts the LAN module's firmware update and follows it: up to 10 s for the module
// to take the start, up to 240 s of download, then 30 s for the new firmware to show. The
// procedure cannot be left from the screen until it has an outcome.
class LanCardRescueUpdateView : public BaseView<LanCardRescueUpdatePresenter>, public gui::GuiTimer::ITimerEventListener
{
public:
    enum State : uint32_t
    {
        ASKING = 0,
        STARTING = 1,
        DOWNLOADING = 2,
        FAILED = 3,
        UP_TO_DATE = 4,
        UPDATING = 5,
        UNCHANGED = 6,
        CHANGED = 7
    };
    static constexpr uint32_t START_MS = 10000;
    static constexpr uint32_t DOWNLOAD_MS = 240000;
    static constexpr uint32_t UPDATE_MS = 30000;
    static constexpr uint32_t POLL_MS = 2000;
    static constexpr quillon::TextId TITLE = 1585;
    static constexpr quillon::TextId QUESTION = 1586;
    static constexpr quillon::TextId DOWNLOADING_TEXT = 1587;
    static constexpr quillon::TextId UPDATING_TEXT = 1588;
    static constexpr quillon::TextId FAILED_TEXT = 1590;
    static constexpr quillon::TextId UP_TO_DATE_TEXT = 1591;
    static constexpr quillon::TextId NOTE_TEXT = 987;
    static constexpr quillon::TextId PLEASE_WAIT = 856;
    static constexpr quillon::TextId SMALL_FONT_TEXT = 11;
    static constexpr quillon::BitmapId FAILED_IMAGE = 91;
    static constexpr quillon::BitmapId UP_TO_DATE_IMAGE = 92;
    static constexpr uint8_t OK_BUTTON = 5;
    static constexpr quillon::BitmapId ACCEPT_ICON = 210;

    LanCardRescueUpdateView();

    const quillon::WideChar* getTitle() override { return quillon::TypedText(TITLE).getText(); }
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void onConfirmFinished(uint8_t result, bool* handled) override;
    void refresh() override;
    bool onTimer(gui::GuiTimer& timer, uint32_t elapsedMs) override;

    uint32_t getState() const { return state; }
    const guicontrols::TextField& getMessage() const { return message; }

private:
    bool hasOutcome() const { return state == FAILED || state == UP_TO_DATE || state == UNCHANGED || state == CHANGED; }
    void placeWaiting(guicontrols::Content& area, quillon::TextId text, bool busyAtBottom);
    void placeOutcome(guicontrols::Content& area, quillon::BitmapId image, quillon::TextId text, bool withNote);
    void onPhaseEnded();
    void downloadEnded();
    void updateEnded();
    void stop();
    void showState(uint32_t next);

    uint32_t state;
    gui::GuiTimer phaseTimer;
    gui::GuiTimer pollTimer;
    guicontrols::Frame frame;
    guicontrols::RotatingIcon busyIcon;
    guicontrols::TextField message;
    guicontrols::TextField waiting;
    quillon::Image failedImage;
    quillon::Image upToDateImage;
};

#endif
