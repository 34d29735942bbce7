#ifndef GUI_SCREENS_WIZARD_WIZARDREPORTSETTINGSVIEW_HPP
#define GUI_SCREENS_WIZARD_WIZARDREPORTSETTINGSVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/list/ListConfiguration.hpp"
#include "gui/screens/wizard/WizardReportSettingsPresenter.hpp"
#include "guicontrols/BiStateContentProvider.hpp"
#include "guicontrols/EnumProvider.hpp"
#include "guicontrols/NumericContentProvider.hpp"
#include "guicontrols/SimpleTextProvider.hpp"

// The report's list of what commissioning configured: solar module, hot-water cylinder,
// boiler and each heating circuit, a heading per section. Built once on entry; only shows.
class WizardReportSettingsView : public BaseView<WizardReportSettingsPresenter>, public ListConfiguration
{
public:
    static const quillon::TextId TITLE_TEXT = 911;
    static const quillon::TextId HELP_TEXT = 771;
    static const uint8_t CIRCUITS = 3;
    static const uint32_t VALUE_UNITS = 20;

    using U8Number = guicontrols::NumericContentProvider<unsigned char, DP_U8, VALUE_UNITS>;
    using OnOff = guicontrols::BiStateContentProvider<unsigned char, DP_U8>;

    WizardReportSettingsView();
    ~WizardReportSettingsView() override {}

    // The providers to the presenter's values, once it is bound.
    void beforeSetupScreen() override;
    quillon::TextId getTitleText() override { return TITLE_TEXT; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void fillList();

private:
    struct Circuit
    {
        guicontrols::SimpleTextProvider heading;
        guicontrols::EnumProvider type;
        OnOff screedDrying;
        guicontrols::NumericContentProvider<float, DP_SCALED_U8, VALUE_UNITS> slope;
        guicontrols::NumericContentProvider<signed char, DP_S8, VALUE_UNITS> shift;
        U8Number minimumSupply;
        U8Number maximumSupply;
    };

    void configureSolar();
    void configureHotWater();
    void configureBoiler();
    void configureCircuit(uint8_t circuit);
    void addSolar();
    void addHotWater();
    void addBoiler();
    void addCircuit(uint8_t circuit);

    guicontrols::SimpleTextProvider solarHeading;
    OnOff pumpType;
    U8Number stagnation;
    U8Number flow;
    guicontrols::EnumProvider solarControl;
    guicontrols::NumericContentProvider<float, DP_FLOAT, VALUE_UNITS> absorberSurface;
    U8Number cylinderMaximum;

    guicontrols::SimpleTextProvider hotWaterHeading;
    U8Number heatingSuppression;
    OnOff circulationPump;
    guicontrols::EnumProvider destratificationPump;
    OnOff separatorConnection;
    guicontrols::EnumProvider cylinderType;

    guicontrols::SimpleTextProvider boilerHeading;
    U8Number burnerService;
    U8Number serviceInterval;
    U8Number maximumOutput;

    Circuit circuits[CIRCUITS];
};

#endif
