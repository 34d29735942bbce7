#ifndef GUI_SCREENS_SETPOINT_SETPOINTTEMPPRESENTER_HPP
#define GUI_SCREENS_SETPOINT_SETPOINTTEMPPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "model/DataPoint.hpp"

// One temperature setpoint in whole degrees: read at set-up, written on OK. A variant names
// its data point and its limits.
class SetpointTempPresenter : public BasePresenter
{
public:
    using Setpoint = model::DataPoint<unsigned char, DP_U8>;

    explicit SetpointTempPresenter(IView& view) : BasePresenter(view) {}
    ~SetpointTempPresenter() override {}

    void activate() override;
    void deactivate() override;

    virtual uint8_t getValue();
    virtual void setValue(uint8_t value);
    virtual uint8_t getMinimum() { return 3; }
    virtual uint8_t getMaximum() { return 37; }
    virtual Setpoint& getDataPoint() = 0;
};

#endif
