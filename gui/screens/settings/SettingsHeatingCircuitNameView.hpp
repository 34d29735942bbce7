#ifndef GUI_SCREENS_SETTINGS_SETTINGSHEATINGCIRCUITNAMEVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSHEATINGCIRCUITNAMEVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/settings/SettingsHeatingCircuitNamePresenter.hpp"
#include "guicontrols/CustomKeyboard.hpp"

// The chosen circuit's name on a keyboard over the whole content. OK writes it to the
// device and confirms; back and home write nothing. Opened without a chosen circuit, the
// screen shows neither keyboard nor OK.
class SettingsHeatingCircuitNameView : public BaseView<SettingsHeatingCircuitNamePresenter>
{
public:
    static const uint8_t SERVICE_NOTICE_BUTTON = 3;
    static const uint8_t OK_BUTTON = 5;
    static const quillon::BitmapId ACCEPT_ICON = 210;
    static const uint16_t NAME_UNITS = 21;
    static const uint16_t TITLE_UNITS = 100;

    SettingsHeatingCircuitNameView();
    ~SettingsHeatingCircuitNameView() override {}

    void setupTopBar(guicontrols::TopBar& bar) override;
    const quillon::WideChar* getTitle() override { return title; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;

    const guicontrols::CustomKeyboard& getKeyboard() const { return keyboard; }
    uint8_t getCircuit() const { return circuit; }

private:
    // Reads the chosen circuit; false when the page was opened without one.
    bool readCircuit();

    guicontrols::CustomKeyboard keyboard;
    uint8_t circuit;
    bool circuitChosen;
    quillon::WideChar name[NAME_UNITS];
    quillon::WideChar title[TITLE_UNITS];
    quillon::WideChar number[2];
};

#endif
