#ifndef GUI_SCREENS_SETPOINT_HEATINGCOMFORTTEMPVIEW_HPP
#define GUI_SCREENS_SETPOINT_HEATINGCOMFORTTEMPVIEW_HPP

#include "gui/screens/setpoint/SetpointTempView.hpp"

// The room temperature of the chosen circuit for comfort mode.
class HeatingComfortTempView : public SetpointTempView
{
public:
    HeatingComfortTempView();
    ~HeatingComfortTempView() override {}

    quillon::TextId getTitleText() override { return 1014; }
    const quillon::WideChar* getHelpText() override;
};

#endif
