#ifndef GUI_SCREENS_CYLINDER_CYLINDERSTRATIFICATIONPRESENTER_HPP
#define GUI_SCREENS_CYLINDER_CYLINDERSTRATIFICATIONPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// The cylinder's layering by temperature over the interval the menu chose (24 hours when
// none): the three boundary series and the three thresholds are watched while shown.
class CylinderStratificationPresenter : public BasePresenter
{
public:
    explicit CylinderStratificationPresenter(IView& view);
    ~CylinderStratificationPresenter() override {}

    void activate() override;
    void deactivate() override;
    // A watched value changed; device changes alone do not redraw the chart.
    bool hasDataChanged() override;

    int32_t getMode() const { return mode; }
    // The thresholds in whole degrees, halves away from zero (54.5 is 55, -0.5 is -1).
    int32_t getThreshold1();
    int32_t getThreshold2();
    int32_t getThreshold3();

private:
    int32_t mode;
};

#endif
