#ifndef GUI_SCREENS_INFOCIRCUIT_SOLARVIEW_HPP
#define GUI_SCREENS_INFOCIRCUIT_SOLARVIEW_HPP

#include "gui/screens/infocircuit/ModeListView.hpp"
#include "gui/screens/infocircuit/SolarPresenter.hpp"
#include "guicontrols/ButtonItem.hpp"
#include "guicontrols/NumericContentProvider.hpp"
#include "guicontrols/SimpleTextProvider.hpp"
#include "guicontrols/SolarDataProvider.hpp"

// The solar system's temperatures, pump, counters and output 22 in the Information,
// Diagnosis or Status order; lines of absent devices are left out. Two entries open the
// solar energy history and the pump's status.
class SolarView : public ModeListView<SolarPresenter>
{
public:
    static constexpr uint32_t VALUE_UNITS = 20;
    static constexpr uint32_t ENERGY_HISTORY = 0;
    static constexpr uint32_t PUMP_STATUS = 1;

    SolarView();
    // The mode as given, for a list no page of the tree opens.
    explicit SolarView(const ListChoice& choice);
    ~SolarView() override {}

    void configureInformation() override;
    void configureDiagnosis() override;
    void configureStatus() override;

    // Entry 0 the energy history, 1 the pump status; other indexes have no label and no action.
    const quillon::WideChar* getText(uint32_t index) override;
    void execute(uint32_t index) override;

    const guicontrols::ButtonItem& getActionItem(uint32_t index) const { return actions[index]; }

protected:
    void bindProviders() override;

private:
    bool has(uint8_t flag) const { return presenter->isAvailable(flag); }
    bool hasLargeSystem() const { return presenter->hasLargeSolarSystem(); }
    bool hasSolarEnergy() const { return presenter->countsSolarEnergy(); }
    // The pump's on/off or speed line, then the DHW suppression.
    void addPumpLines();
    void addSensorLines();

    guicontrols::ButtonItem actions[2];
    guicontrols::SolarDataProvider collector;
    guicontrols::SolarDataProvider solarDhw;
    guicontrols::SolarDataProvider pumpHours;
    guicontrols::SolarDataProvider solarEnergy;
    guicontrols::SolarDataProvider pumpStarts;
    guicontrols::SolarDataProvider stagnation;
    guicontrols::SolarDataProvider incorrectCirculation;
    guicontrols::SolarDataProvider differenceMonitor;
    guicontrols::SolarDataProvider pumpState;
    guicontrols::SolarDataProvider pumpSpeed;
    guicontrols::SolarDataProvider suppressionDhw;
    guicontrols::SimpleTextProvider output22Heading;
    guicontrols::SolarDataProvider output22Status;
    guicontrols::SolarDataProvider output22Hours;
    guicontrols::SolarDataProvider output22Starts;
    guicontrols::SolarDataProvider sensor5;
    guicontrols::SolarDataProvider sensor7;
    guicontrols::SolarDataProvider sensor10;
    guicontrols::SolarDataProvider suppressionHeating;
    guicontrols::NumericContentProvider<float, DP_FLOAT, VALUE_UNITS> absorberSurface;
};

#endif
