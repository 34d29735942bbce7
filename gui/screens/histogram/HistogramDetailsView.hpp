#ifndef GUI_SCREENS_HISTOGRAM_HISTOGRAMDETAILSVIEW_HPP
#define GUI_SCREENS_HISTOGRAM_HISTOGRAMDETAILSVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/histogram/HistogramDetailsPresenter.hpp"
#include "guicontrols/EnergyBar.hpp"
#include "guicontrols/EnergyBarScale.hpp"
#include "guicontrols/IEnergyBarConfigurator.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/widgets/TextAreaWithOneWildcard.hpp>

#include <stdint.h>

// One period of a history as a single tall bar with its scale, its value and, in the top
// bar, its date. The variant styles the bar and builds the content.
class HistogramDetailsView : public BaseView<HistogramDetailsPresenter>, public guicontrols::IEnergyBarConfigurator
{
public:
    static const uint16_t VALUE_SIZE = 40;
    static const uint16_t DATE_SIZE = 40;

    // The scale a bar total needs: an even number of display units (at least 2) with at
    // least a tenth of headroom, and the unit they are in.
    struct Scale
    {
        uint32_t steps;
        double displayDivisor;
        bool megawattHours;
    };
    static Scale computeScaleSteps(uint32_t total, double unitDivisor);

    HistogramDetailsView();
    ~HistogramDetailsView() override {}

    void setupTopBar(guicontrols::TopBar& bar) override;
    void update() override;

    // Read by tests.
    const guicontrols::EnergyBar& getBar() const { return bar; }
    const guicontrols::EnergyBarScale& getScale() const { return scale; }
    const quillon::WideChar* getValueText() const { return valueText; }
    const quillon::WideChar* getDateText() const { return dateText; }
    uint32_t getScaleStepCount() const { return scaleStepCount; }

protected:
    // Fills the bar from the presenter, then scale, bar maximum and value text.
    void updateBar();
    // The common content: configured and filled bar, its label, then bar, scale and value.
    void buildBar(guicontrols::Content& area);

    guicontrols::EnergyBar bar;
    guicontrols::EnergyBarScale scale;
    quillon::TextAreaWithOneWildcard value;
    uint32_t period;
    uint32_t scaleStepCount;
    quillon::WideChar valueText[VALUE_SIZE];
    guicontrols::TextField dateField;
    quillon::WideChar dateText[DATE_SIZE];
};

#endif
