#ifndef GUI_SCREENS_MAIN_MAINVIEW_HPP
#define GUI_SCREENS_MAIN_MAINVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/main/MainPresenter.hpp"
#include "guicontrols/CheckableIconButton.hpp"
#include "guicontrols/IconButton.hpp"
#include "guicontrols/MainTopBar.hpp"
#include "guicontrols/PageIndicator.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/Box.hpp>
#include <quillon/widgets/Button.hpp>
#include <quillon/widgets/Image.hpp>

// The home screen: the chosen circuit's room setpoint in the house, the outside temperature,
// the boiler or status line, the state icons, the quick buttons and the home-page arrows,
// restricted by the panel lock level.
class MainView : public BaseView<MainPresenter>
{
public:
    static const int16_t LOCK_BAND_LEFT = 116;
    static const int16_t LOCK_BAND_RIGHT_MARGIN = 115;
    static const uint16_t STATUS_SWAP_TICKS = 250;
    static const uint8_t DIM_CHECK_TICKS = 10;
    static const uint8_t LEFT_ARROW_BUTTON = 4;
    static const uint8_t RIGHT_ARROW_BUTTON = 5;

    MainView();
    ~MainView() override {}

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void tick() override;
    void update() override;
    const quillon::WideChar* getTitle() override;
    const quillon::WideChar* getHelpText() override;
    void onFeedbackFinished(bool* handled) override;
    void onClick(const quillon::ClickEvent& event) override;

    // For tests: what is shown.
    const guicontrols::TextField& getSetpointText() const { return setpointText; }
    const guicontrols::TextField& getOutsideText() const { return outsideText; }
    const guicontrols::TextField& getBoilerText() const { return boilerText; }
    const guicontrols::TextField& getStatusText() const { return statusText; }
    const guicontrols::TextField& getCircuitTitle() const { return circuitTitle; }
    const guicontrols::CheckableIconButton& getProgramButton() const { return programButton; }
    const guicontrols::CheckableIconButton& getComfortButton() const { return comfortButton; }
    const guicontrols::CheckableIconButton& getEconomyButton() const { return economyButton; }
    const quillon::Image& getConnectionIcon() const { return connectionIcon; }
    const guicontrols::PageIndicator& getPageIndicator() const { return pageIndicator; }
    const guicontrols::MainTopBar& getMainTopBar() const { return mainTopBar; }

private:
    void updateAll();
    bool selectCircuit(uint8_t requested);
    void updateQuickButtons();
    void updateStatus();
    void composeStatusText();
    void alternateStatusLine();
    void updateStatusIcons();
    void applyDimmed(bool dim);
    bool checkDimmed();
    void showPanelLocked();
    void showFeedbackText(quillon::TextId text);
    void storeMainState(uint8_t circuit);
    void placeContent();
    void placeIcons();

    void onTopBarButton(const int& id);
    void onButtonClicked(const quillon::AbstractButton& button);
    void onButtonRepeated(const guicontrols::RepeatableButton& button);

    static const uint16_t NUMBER_UNITS = 5;
    static const uint16_t TEMPERATURE_UNITS = 6;
    static const uint16_t STATUS_UNITS = 40;
    static const uint16_t BOILER_UNITS = 30;

    guicontrols::MainTopBar mainTopBar;
    guicontrols::CheckableIconButton programButton;
    guicontrols::CheckableIconButton comfortButton;
    guicontrols::CheckableIconButton economyButton;
    guicontrols::IconButton plusButton;
    guicontrols::IconButton minusButton;
    quillon::Button setpointArea;
    quillon::Image house;
    guicontrols::TextField setpointText;
    quillon::WideChar setpointBuffer[TEMPERATURE_UNITS];
    guicontrols::TextField outsideText;
    quillon::WideChar outsideBuffer[TEMPERATURE_UNITS];
    guicontrols::TextField statusText;
    quillon::WideChar statusBuffer[STATUS_UNITS];
    guicontrols::TextField boilerText;
    quillon::WideChar boilerBuffer[BOILER_UNITS];
    guicontrols::TextField circuitTitle;
    quillon::Image reducedIcon;
    quillon::Image solarIcon;
    quillon::Image frostIcon;
    quillon::Image normalIcon;
    quillon::Image burnerIcon;
    quillon::Image connectionIcon;
    quillon::Callback<MainView, const int&> topBarCallback;
    quillon::Callback<MainView, const quillon::AbstractButton&> buttonCallback;
    quillon::Callback<MainView, const guicontrols::RepeatableButton&> repeatCallback;
    uint8_t statusFlags;
    uint16_t statusCountdown;
    uint8_t dimmed;
    uint8_t dimCheckCounter;
    quillon::Box standbyCover;
    guicontrols::PageIndicator pageIndicator;
};

#endif
