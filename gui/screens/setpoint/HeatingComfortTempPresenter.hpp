#ifndef GUI_SCREENS_SETPOINT_HEATINGCOMFORTTEMPPRESENTER_HPP
#define GUI_SCREENS_SETPOINT_HEATINGCOMFORTTEMPPRESENTER_HPP

#include "gui/screens/setpoint/HeatingSetpointPresenter.hpp"

// The circuit's comfort temperature; confirming it also switches comfort mode on.
class HeatingComfortTempPresenter : public HeatingSetpointPresenter
{
public:
    explicit HeatingComfortTempPresenter(IView& view) : HeatingSetpointPresenter(view) {}
    ~HeatingComfortTempPresenter() override {}

    void activate() override;
    void setValue(uint8_t value) override;
    uint8_t getMinimum() override { return 4; }
    Setpoint& getDataPoint() override;
};

#endif
