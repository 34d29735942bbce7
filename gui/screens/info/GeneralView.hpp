#ifndef GUI_SCREENS_INFO_GENERALVIEW_HPP
#define GUI_SCREENS_INFO_GENERALVIEW_HPP

#include "gui/screens/info/GeneralPresenter.hpp"
#include "gui/screens/info/InfoListView.hpp"
#include "gui/screens/info/WholeNumberProvider.hpp"
#include "guicontrols/BiStateContentProvider.hpp"
#include "guicontrols/BoilerInfoProvider.hpp"
#include "guicontrols/ButtonItem.hpp"
#include "guicontrols/CommonInfoProvider.hpp"
#include "guicontrols/DateContentProvider.hpp"
#include "guicontrols/EnumProvider.hpp"
#include "guicontrols/HCPumpProvider.hpp"
#include "guicontrols/NumericContentProvider.hpp"
#include "guicontrols/SimpleTextProvider.hpp"
#include "guicontrols/SolarDataProvider.hpp"

struct OverviewState;

// The boiler's own values in one of three lists: Information (temperatures, burner, clock),
// Diagnosis (every output and input with its function) and Status (the working state, with
// the hot-water part when the overview asks for it). Only the hot-water time-program lines
// react to a click.
class GeneralView : public InfoListView<GeneralPresenter>
{
public:
    static constexpr uint32_t ACTIONS = 6;

    GeneralView();
    ~GeneralView() override {}

    // The providers to the presenter's values, once it is bound.
    void beforeSetupScreen() override { bindProviders(); }
    void configureInformation() override;
    void configureDiagnosis() override;
    void configureStatus() override;

    // What an overview's parameter does when the screen is built; no page stores one, so
    // this is the way to the Status list.
    void showOverview(const OverviewState& state);
    bool includesDhw() const { return includeDhw != 0; }

private:
    enum Heading
    {
        OUTSIDE,
        BOILER,
        FLUE_GAS,
        QN5_INPUTS,
        DE1_FUNCTION,
        DE2_FUNCTION,
        DE3_FUNCTION,
        OUTPUT_20_FUNCTION,
        OUTPUT_21_FUNCTION,
        SWITCHING_VALVE,
        INTERNAL_FUNCTION,
        QN5_OUTPUT_FUNCTION,
        XB3_OUTPUT_1_FUNCTION,
        XB3_OUTPUT_2_FUNCTION,
        GAS_TYPE,
        REQUEST,
        CYLINDER_STATUS,
        DHW_TEMPERATURE,
        MEASURED,
        HEADINGS
    };
    using U8Number = guicontrols::NumericContentProvider<unsigned char, DP_U8, 20u>;
    using U32Number = guicontrols::NumericContentProvider<unsigned int, DP_U32, 20u>;
    using OnOff = guicontrols::BiStateContentProvider<unsigned char, DP_U8>;

    void bindProviders();
    void chooseTitle(bool chosen, uint8_t detail);
    void addQn5Inputs();
    void addHotWaterPart();
    void addHotWaterTemperatures();
    guicontrols::SimpleTextProvider* heading(Heading which) { return &headings[which]; }

    uint8_t includeDhw;
    guicontrols::SimpleTextProvider headings[HEADINGS];
    guicontrols::CommonInfoProvider outsideActual, commonSupply, flueGasActual, centralFault, output20;
    guicontrols::CommonInfoProvider dhwTop, dhwMidCommon, dhwActual;
    guicontrols::BoilerInfoProvider boilerSet, boilerActual, burner;
    guicontrols::SolarDataProvider solarMid, solarIn, solarOut2, solarOut4, lowerMid, bottom;
    guicontrols::HCPumpProvider circulationPump, primaryPump;
    OnOff inputDe1, inputDe2, inputDe3, output21, internalOutput, qn5Output, xb3Output1, xb3Output2;
    guicontrols::EnumProvider de1Function, de2Function, de3Function, output20Function, output21Function;
    guicontrols::EnumProvider switchingValve, internalFunction, qn5OutputFunction, xb3Output1Function;
    guicontrols::EnumProvider xb3Output2Function, gasType, request, cylinderStatus;
    U32Number burnerHours, burnerStarts;
    U8Number subscriber, modulation, chargeState;
    WholeNumberProvider<DP_SCALED_S16> adjustedOutside;
    WholeNumberProvider<DP_SCALED_U16> externalHookUp, dhwSet;
    guicontrols::DateContentProvider clockTime, clockDate;
    guicontrols::ButtonItem actions[ACTIONS];
};

#endif
