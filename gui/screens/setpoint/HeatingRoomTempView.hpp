#ifndef GUI_SCREENS_SETPOINT_HEATINGROOMTEMPVIEW_HPP
#define GUI_SCREENS_SETPOINT_HEATINGROOMTEMPVIEW_HPP

#include "gui/screens/setpoint/SetpointTempView.hpp"

// The room temperature of the chosen circuit for standard heating.
class HeatingRoomTempView : public SetpointTempView
{
public:
    HeatingRoomTempView();
    ~HeatingRoomTempView() override {}

    quillon::TextId getTitleText() override { return 1070; }
    const quillon::WideChar* getHelpText() override;
};

#endif
