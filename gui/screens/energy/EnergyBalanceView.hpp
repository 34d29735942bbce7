#ifndef GUI_SCREENS_ENERGY_ENERGYBALANCEVIEW_HPP
#define GUI_SCREENS_ENERGY_ENERGYBALANCEVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/energy/EnergyBalancePresenter.hpp"
#include "guicontrols/PlotBackground.hpp"
#include "guicontrols/PlotCurve.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/widgets/Box.hpp>
#include <quillon/widgets/Image.hpp>
#include <quillon/widgets/TextArea.hpp>

#include <stdint.h>

// Gas consumption stacked on the solar yield as a filled line chart: red between the two
// curves, yellow below the solar one, in kWh over days, weeks, months or years.
class EnergyBalanceView : public BaseView<EnergyBalancePresenter>
{
public:
    static const uint16_t RANGE_SIZE = 100;
    static const uint16_t MAX_POINTS = 53;

    EnergyBalanceView();
    ~EnergyBalanceView() override {}

    const quillon::WideChar* getHelpText() override;

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void update() override;

    // Read by tests.
    const guicontrols::PlotBackground& getBackground() const { return background; }
    const guicontrols::PlotCurve& getCurves() const { return curves; }
    const quillon::WideChar* getRangeText() const { return rangeText; }
    uint64_t getTotal(uint16_t point) const { return totals[point]; }
    uint64_t getSolar(uint16_t point) const { return solar[point]; }

private:
    void updateRangeText(guicontrols::Content& area);
    void updatePlot();
    // Points n, the x axis set for the interval.
    uint16_t setUpAxis(const helpers::DateTime& now);

    guicontrols::PlotCurve curves;
    guicontrols::PlotBackground background;
    quillon::Image gasIcon;
    quillon::Image solarIcon;
    quillon::Box gasSquare;
    quillon::Box solarSquare;
    quillon::TextArea unitLabel;
    guicontrols::TextField rangeField;
    quillon::WideChar rangeText[RANGE_SIZE];
    int64_t totals[MAX_POINTS];
    int64_t solar[MAX_POINTS];
};

#endif
