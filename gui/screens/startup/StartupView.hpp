#ifndef GUI_SCREENS_STARTUP_STARTUPVIEW_HPP
#define GUI_SCREENS_STARTUP_STARTUPVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/startup/StartupPresenter.hpp"
#include "guicontrols/ProgressBar.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/widgets/Box.hpp>
#include <quillon/widgets/Image.hpp>

// The splash: logo, progress bar and label on black for 4 s of application time, without
// bars or popups; then it decides once where the user starts.
class StartupView : public BaseView<StartupPresenter>
{
public:
    static constexpr int32_t DURATION_MS = 4000;
    static constexpr int32_t FRAME_MS = 16;
    static constexpr quillon::BitmapId LOGO = 233;
    static constexpr int16_t LOGO_X = 132;
    static constexpr int16_t LOGO_Y = 142;
    static constexpr int16_t BAR_X = 176;
    static constexpr int16_t BAR_Y = 313;
    static constexpr uint8_t BACKGROUND_COLOR = 12;
    static constexpr quillon::FontId LABEL_FONT = 2;

    StartupView();

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void tick() override;
    bool allowsPopups() override { return false; }

    uint8_t getProgress() const { return progressBar.getProgress(); }
    const guicontrols::ProgressBar& getProgressBar() const { return progressBar; }
    const guicontrols::TextField& getLabel() const { return label; }

private:
    static constexpr uint16_t LABEL_UNITS = 64;

    void clearWizardParameters();
    void leave();

    quillon::Image logo;
    guicontrols::ProgressBar progressBar;
    int32_t elapsed;
    quillon::WideChar labelBuffer[LABEL_UNITS];
    guicontrols::TextField label;
    quillon::Box background;
};

#endif
