#ifndef GUI_SCREENS_CYLINDER_CYLINDERHISTORYVIEW_HPP
#define GUI_SCREENS_CYLINDER_CYLINDERHISTORYVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/cylinder/CylinderHistoryPresenter.hpp"
#include "guicontrols/PlotBackground.hpp"
#include "guicontrols/PlotCurve.hpp"
#include "guicontrols/TextField.hpp"
#include "model/RangeDataPoint.hpp"

#include <quillon/widgets/Box.hpp>

#include <stdint.h>

// The cylinder sensors' temperatures over the last 24 hours, 7 or 30 days as one curve per
// sensor, oldest at the left, with a legend from sensor 5 at the top down to sensor 1.
class CylinderHistoryView : public BaseView<CylinderHistoryPresenter>
{
public:
    static constexpr uint32_t SENSORS = CylinderHistoryPresenter::SENSORS;
    static constexpr uint16_t LEGEND_UNITS = 10;

    CylinderHistoryView();
    ~CylinderHistoryView() override {}

    void setupTopBar(guicontrols::TopBar& bar) override;
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void update() override;

    const guicontrols::PlotCurve& getCurve() const { return curve; }
    const quillon::Box& getLegendBox(uint32_t row) const { return legendBoxes[row]; }

private:
    void updateChart();
    // Point p of every shown sensor; a point where all of them read 0 holds no data.
    void setChartPoint(uint16_t p, uint32_t sensors, const int32_t values[SENSORS]);
    uint16_t fill24Hours(uint32_t sensors);
    // Record N - 1 down to 0 of each sensor's range, each record's values oldest first.
    template <typename Record, dp_type D, uint32_t N>
    uint16_t fillRecords(model::RangeDataPoint<Record, D, N>* const series[SENSORS], uint32_t sensors);

    guicontrols::PlotCurve curve;
    guicontrols::PlotBackground background;
    guicontrols::TextField unitLabel;
    quillon::Box legendBoxes[SENSORS];
    guicontrols::TextField legendLabels[SENSORS];
    quillon::WideChar legendTexts[SENSORS][LEGEND_UNITS];
};

#endif
