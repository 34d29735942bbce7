#ifndef GUI_SCREENS_SETTINGS_SETTINGSHEATINGFACTORYDEFAULTSVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSHEATINGFACTORYDEFAULTSVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/settings/SettingsHeatingFactoryDefaultsPresenter.hpp"

// The question whether to reset the chosen circuit. Yes resets it and confirms, no goes
// back; opened without a chosen circuit the screen asks nothing.
class SettingsHeatingFactoryDefaultsView : public BaseView<SettingsHeatingFactoryDefaultsPresenter>
{
public:
    static const uint16_t TITLE_UNITS = 100;
    // The title's "n factory settings" part before "Heating circuits".
    static const uint16_t PART_UNITS = 30;

    SettingsHeatingFactoryDefaultsView();
    ~SettingsHeatingFactoryDefaultsView() override {}

    void setupTopBar(guicontrols::TopBar& bar) override;
    const quillon::WideChar* getTitle() override { return title; }
    void setupContent(guicontrols::Content& area) override;
    void onConfirmFinished(uint8_t result, bool* handled) override;

    uint8_t getCircuit() const { return circuit; }

private:
    bool readCircuit();

    uint8_t circuit;
    quillon::WideChar number[2];
    quillon::WideChar title[TITLE_UNITS];
};

#endif
