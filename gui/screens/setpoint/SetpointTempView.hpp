#ifndef GUI_SCREENS_SETPOINT_SETPOINTTEMPVIEW_HPP
#define GUI_SCREENS_SETPOINT_SETPOINTTEMPVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/setpoint/SetpointTempPresenter.hpp"
#include "guicontrols/TemperatureEdit.hpp"

// A setpoint editor between the presenter's limits; OK writes it and goes back, back and
// home discard the edit.
class SetpointTempView : public BaseView<SetpointTempPresenter>
{
public:
    static const int16_t EDIT_X = 290;
    static const int16_t EDIT_Y = 80;
    static const uint8_t OK_BUTTON = 5;
    static const quillon::BitmapId ACCEPT_ICON = 0xD2;

    ~SetpointTempView() override {}

    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    const quillon::WideChar* getHelpText() override = 0;

    const guicontrols::TemperatureEdit& getTemperatureEdit() const { return temperatureEdit; }

protected:
    explicit SetpointTempView(TitleFunctor* functor) : BaseView<SetpointTempPresenter>(functor) {}

    guicontrols::TemperatureEdit temperatureEdit;
};

#endif
