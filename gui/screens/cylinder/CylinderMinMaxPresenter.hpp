#ifndef GUI_SCREENS_CYLINDER_CYLINDERMINMAXPRESENTER_HPP
#define GUI_SCREENS_CYLINDER_CYLINDERMINMAXPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// The four recorded data sets at the collector's and the cylinder's lowest and highest
// temperature, the time of their last reset, and the reset itself.
class CylinderMinMaxPresenter : public BasePresenter
{
public:
    static constexpr uint16_t DATE_UNITS = 12;
    static constexpr uint32_t RESET_REQUEST_INDEX = 672;

    explicit CylinderMinMaxPresenter(IView& view) : BasePresenter(view), resetDate() {}
    ~CylinderMinMaxPresenter() override {}

    void activate() override;
    void deactivate() override;
    // A watched value changed; the device set is not asked.
    bool hasDataChanged() override;
    virtual bool isAvailable(uint32_t deviceFlag);
    model::CylinderGroup& cylinder() { return getModel()->getGroups().cylinder; }

    // The reset time as a date, day first.
    const quillon::WideChar* getResetDateText();
    bool isResetTimeValid();
    // Asks the device to start a new recording period.
    void resetMinMax();
    // Reads the data sets and the reset time now.
    void refreshAll();

private:
    quillon::WideChar resetDate[DATE_UNITS];
};

#endif
