#ifndef GUI_SCREENS_CYLINDER_CYLINDERHISTORYPRESENTER_HPP
#define GUI_SCREENS_CYLINDER_CYLINDERHISTORYPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// The cylinder's temperature histories of the interval the menu chose (24 hours when none):
// the five sensors' series of that interval are watched while the chart is shown.
class CylinderHistoryPresenter : public BasePresenter
{
public:
    static constexpr uint32_t SENSORS = 5;

    explicit CylinderHistoryPresenter(IView& view);
    ~CylinderHistoryPresenter() override {}

    void activate() override;
    void deactivate() override;
    // A watched series changed, or else the device set.
    bool hasDataChanged() override;

    int32_t getMode() const { return mode; }
    // 5 with the fifth sensor of a five-sensor cylinder, else 4.
    uint32_t getSensorCount();

private:
    int32_t mode;
};

#endif
