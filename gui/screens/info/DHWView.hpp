#ifndef GUI_SCREENS_INFO_DHWVIEW_HPP
#define GUI_SCREENS_INFO_DHWVIEW_HPP

#include "gui/screens/info/DHWPresenter.hpp"
#include "gui/screens/info/InfoListView.hpp"
#include "gui/screens/info/WholeNumberProvider.hpp"
#include "guicontrols/ButtonItem.hpp"
#include "guicontrols/CommonInfoProvider.hpp"
#include "guicontrols/CylinderTempProvider.hpp"
#include "guicontrols/EnumProvider.hpp"
#include "guicontrols/HCPumpProvider.hpp"
#include "guicontrols/NumericContentProvider.hpp"
#include "guicontrols/SimpleTextProvider.hpp"
#include "guicontrols/SolarDataProvider.hpp"

struct OverviewState;

// The hot water, its cylinder and pumps in one of three lists, with the hot-water and
// circulation time programs (read-only) and the cylinder charts as action lines.
class DHWView : public InfoListView<DHWPresenter>
{
public:
    static constexpr uint32_t ACTIONS = InfoActionEntries::ENTRIES;
    static constexpr uint32_t FOUR_SENSORS = 4;
    static constexpr uint32_t FIVE_SENSORS = 5;

    DHWView();
    ~DHWView() override {}

    // The providers to the presenter's values, once it is bound.
    void beforeSetupScreen() override { bindProviders(); }
    void configureInformation() override;
    void configureDiagnosis() override;
    void configureStatus() override;
    // The minimum/maximum entry opens its screen; the others as in every list.
    void execute(uint32_t index) override;

    // What an overview's parameter does when the screen is built; no page stores one, so
    // this is the way to the Status list.
    void showOverview(const OverviewState& state);

private:
    void bindProviders();
    void addChartActions(bool withMinMax);
    // The calculated cylinder temperatures of a four- or five-sensor cylinder.
    bool addCalculatedGroup();
    void addMeasuredGroup();
    // Top and bottom of a cylinder with two sensors.
    void addTopAndBottom();
    // Circulation pump where fitted, the primary pump, and the charge state of a cylinder
    // with calculated temperatures.
    void addPumpsAndCharge();
    bool hasCalculatedTemperatures();

    guicontrols::SimpleTextProvider statusHeading, temperatureHeading, measuredHeading, calculatedHeading;
    guicontrols::EnumProvider cylinderStatus, cylinderType;
    WholeNumberProvider<DP_SCALED_U16> setTemperature;
    guicontrols::CommonInfoProvider actual, top, midCommon;
    guicontrols::SolarDataProvider bottom, lowerMid, midSolar, solarIn, solarOut2, solarOut4;
    guicontrols::CylinderTempProvider fourSensors[FOUR_SENSORS];
    guicontrols::CylinderTempProvider fiveSensors[FIVE_SENSORS];
    guicontrols::HCPumpProvider circulationPump, primaryPump;
    guicontrols::NumericContentProvider<unsigned char, DP_U8, 20u> chargeState;
    guicontrols::ButtonItem actions[ACTIONS];
};

#endif
