#ifndef GUI_SCREENS_SETPOINT_HEATINGREDUCEDROOMTEMPVIEW_HPP
#define GUI_SCREENS_SETPOINT_HEATINGREDUCEDROOMTEMPVIEW_HPP

#include "gui/screens/setpoint/SetpointTempView.hpp"

// The room temperature of the chosen circuit for reduced heating at night.
class HeatingReducedRoomTempView : public SetpointTempView
{
public:
    HeatingReducedRoomTempView();
    ~HeatingReducedRoomTempView() override {}

    quillon::TextId getTitleText() override { return 1072; }
    const quillon::WideChar* getHelpText() override;
};

#endif
