#ifndef GUI_SCREENS_ENERGY_SOLARPUMPSTATUSVIEW_HPP
#define GUI_SCREENS_ENERGY_SOLARPUMPSTATUSVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/energy/SolarPumpBase.hpp"
#include "gui/screens/energy/SolarPumpStatusPresenter.hpp"
#include "guicontrols/SimpleTextProvider.hpp"
#include "guicontrols/SolarDataProvider.hpp"
#include "guicontrols/TextField.hpp"

// The solar pump's operating hours, starts, estimated flow and speed beside its
// characteristic, with the current operating point marked on the line. Follows the solar
// record; the calibration is read again with each change of it.
class SolarPumpStatusView : public BaseView<SolarPumpStatusPresenter>, public SolarPumpBase
{
public:
    static constexpr uint8_t OK_BUTTON = 5;
    static constexpr uint8_t ROWS = 4;
    static constexpr uint8_t HOURS_ROW = 0;
    static constexpr uint8_t STARTS_ROW = 1;
    static constexpr uint8_t FLOW_ROW = 2;
    static constexpr uint8_t SPEED_ROW = 3;
    // "6502.5 l/min", the longest a speed byte of 255 at 1 % calibration speed gives, and
    // its terminator.
    static constexpr uint16_t FLOW_UNITS = 16;

    SolarPumpStatusView();
    ~SolarPumpStatusView() override {}

    quillon::TextId getTitleText() override { return 1123; }
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void update() override;

    const guicontrols::TextField& getRowLabel(uint8_t row) const { return rowLabels[row]; }
    const guicontrols::TextField& getRowValue(uint8_t row) const { return rowValues[row]; }

private:
    void updateValues();
    // The estimated flow at the pump's speed on the characteristic as it stands.
    void formatFlow();
    void updateScale();

    guicontrols::TextField rowLabels[ROWS];
    guicontrols::TextField rowValues[ROWS];
    guicontrols::SolarDataProvider hours;
    guicontrols::SolarDataProvider starts;
    guicontrols::SolarDataProvider speed;
    guicontrols::SimpleTextProvider flow;
    quillon::WideChar flowText[FLOW_UNITS];
};

#endif
