#ifndef GUI_SCREENS_INFOCIRCUIT_HCXVIEW_HPP
#define GUI_SCREENS_INFOCIRCUIT_HCXVIEW_HPP

#include "gui/screens/infocircuit/HCxPresenter.hpp"
#include "gui/screens/infocircuit/ModeListView.hpp"
#include "guicontrols/ButtonItem.hpp"
#include "guicontrols/DateContentProvider.hpp"
#include "guicontrols/EnumProvider.hpp"
#include "guicontrols/HCInfoProvider.hpp"
#include "guicontrols/HCVariableProvider.hpp"
#include "guicontrols/NumericContentProvider.hpp"
#include "guicontrols/SimpleTextProvider.hpp"

// One heating circuit's program, states, temperatures, curve, pump, mixer and holiday dates,
// in the Information, Diagnosis or Status order; one entry opens its time program read-only.
// The same screen serves the three circuits: the page says which.
class HCxView : public ModeListView<HCxPresenter>
{
public:
    static constexpr uint32_t VALUE_UNITS = 20;

    HCxView();
    // Mode and circuit as given, for a list no page of the tree opens.
    explicit HCxView(const ListChoice& choice);
    ~HCxView() override {}

    // The title, by the circuit's name the presenter gives, once it is bound.
    void beforeSetupScreen() override;
    void configureInformation() override { buildList(Supply::ActualOnly); }
    void configureDiagnosis() override { buildList(Supply::WithSetpoint); }
    void configureStatus() override;

    // The one action: the circuit's time program, read-only.
    const quillon::WideChar* getText(uint32_t index) override;
    void execute(uint32_t index) override;

    uint8_t getCircuit() const { return circuit; }
    const guicontrols::ButtonItem& getActionItem() const { return timeProgramItem; }

protected:
    void bindProviders() override;

private:
    enum class Supply
    {
        ActualOnly,
        WithSetpoint,
    };

    template <typename T, dp_type D>
    using Numeric = guicontrols::NumericContentProvider<T, D, VALUE_UNITS>;

    void formatCircuitTitle();
    void buildList(Supply supply);
    // The rows every mode begins with: program, active functions, status, the action, the
    // room heading.
    void addProgramLines();
    void addCurvePumpAndMixer();
    void addSupplyLines(Supply supply);
    void addHolidayLines();
    bool hasExternalSetpoint();
    bool hasRemoteControl();
    bool hasMixer() const { return circuit != 0; }

    uint8_t circuit;
    bool titled;
    guicontrols::SimpleTextProvider programHeading;
    guicontrols::SimpleTextProvider screedDrying;
    guicontrols::SimpleTextProvider externalHookUp;
    guicontrols::SimpleTextProvider holidayActive;
    guicontrols::SimpleTextProvider comfortActive;
    guicontrols::SimpleTextProvider economyActive;
    guicontrols::EnumProvider operatingProgram;
    guicontrols::HCVariableProvider operatingStatus;
    guicontrols::SimpleTextProvider roomHeading;
    Numeric<float, DP_SCALED_U16> roomActual;
    Numeric<unsigned char, DP_U8> roomSet;
    Numeric<unsigned char, DP_U8> reducedSet;
    Numeric<unsigned char, DP_U8> externalSet;
    Numeric<unsigned char, DP_U8> comfortSet;
    Numeric<unsigned char, DP_U8> reducedSetBulleted;
    Numeric<unsigned char, DP_U8> externalSetBulleted;
    Numeric<unsigned char, DP_U8> comfortSetBulleted;
    guicontrols::SimpleTextProvider setMarker;
    guicontrols::SimpleTextProvider actualMarker;
    Numeric<float, DP_SCALED_U8> slope;
    Numeric<signed char, DP_S8> level;
    guicontrols::HCInfoProvider pump;
    guicontrols::HCInfoProvider mixer;
    guicontrols::SimpleTextProvider supplyHeading;
    guicontrols::HCInfoProvider supplySet;
    guicontrols::HCInfoProvider supplyActual;
    guicontrols::SimpleTextProvider holidayHeading;
    guicontrols::DateContentProvider leavingDate;
    guicontrols::DateContentProvider returnDate;
    guicontrols::ButtonItem timeProgramItem;
};

#endif
