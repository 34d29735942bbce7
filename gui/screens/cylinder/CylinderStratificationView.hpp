#ifndef GUI_SCREENS_CYLINDER_CYLINDERSTRATIFICATIONVIEW_HPP
#define GUI_SCREENS_CYLINDER_CYLINDERSTRATIFICATIONVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/cylinder/CylinderStratificationPresenter.hpp"
#include "guicontrols/PlotBackground.hpp"
#include "guicontrols/PlotCurve.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/widgets/Box.hpp>

#include <stdint.h>

// How the cylinder is layered by temperature, half hour by half hour, from its top (at the
// top of the chart) to its bottom: red at or above the highest threshold, then pink, purple
// and blue below the lowest. Points run oldest first up to the current half hour.
class CylinderStratificationView : public BaseView<CylinderStratificationPresenter>
{
public:
    static constexpr uint32_t CURVES = 4;
    static constexpr uint16_t TEXT_UNITS = 15;
    static constexpr uint8_t SLOTS = 48;

    CylinderStratificationView();
    ~CylinderStratificationView() override {}

    void setupTopBar(guicontrols::TopBar& bar) override;
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void update() override;

    // The slot of the half hour of the time: 47 at 00:00 down to 0 at 23:30.
    static uint8_t currentSlot(const helpers::DateTime& now);

    const guicontrols::PlotCurve& getCurve() const { return curve; }
    const guicontrols::TextField& getLegendLabel(uint32_t row) const { return legendLabels[row]; }

private:
    void updateChart();
    void setChartPoint(uint16_t p, uint32_t day, uint32_t slot);
    // The slots from first down to last in steps, each stored as the next point.
    uint16_t addDay(uint16_t p, uint32_t day, int32_t first, int32_t last, int32_t step);
    void layoutLegend();

    guicontrols::PlotCurve curve;
    guicontrols::PlotBackground background;
    quillon::Box legendBoxes[CURVES];
    guicontrols::TextField legendLabels[CURVES];
    const quillon::Font* font;
    quillon::WideChar yLabels[5][TEXT_UNITS];
    quillon::WideChar legendTexts[CURVES][TEXT_UNITS];
};

#endif
