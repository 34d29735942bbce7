#ifndef GUI_SCREENS_ENERGY_SOLARPUMPCALIBRATIONVIEW_HPP
#define GUI_SCREENS_ENERGY_SOLARPUMPCALIBRATIONVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/energy/SolarPumpBase.hpp"
#include "gui/screens/energy/SolarPumpCalibrationPresenter.hpp"
#include "guicontrols/SpinBox.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>

// The flow the engineer measured while the solar pump runs at its calibration speed: the
// question first (the calibration mode is on from then), the absorber surface where it is
// still missing, then the entry beside the characteristic it gives. OK stores the flow.
class SolarPumpCalibrationView : public BaseView<SolarPumpCalibrationPresenter>, public SolarPumpBase
{
public:
    static constexpr uint8_t OK_BUTTON = 5;
    static constexpr int32_t START = 0;
    static constexpr int32_t CONFIRMED = 1;
    static constexpr int32_t SURFACE_MISSING = 2;
    static constexpr int32_t FLOW_ENTRY = 3;
    static constexpr float MAX_ENTRY = 25.5f;

    SolarPumpCalibrationView();
    ~SolarPumpCalibrationView() override {}

    quillon::TextId getTitleText() override { return 1003; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void onConfirmFinished(uint8_t result, bool* handled) override;
    void onFeedbackFinished(bool* handled) override;

    void onFlowChanged(const float& flow);

    int32_t getCalibrationState() const { return calibrationState; }
    const guicontrols::SpinBox& getFlowEntry() const { return flowEntry; }
    const guicontrols::TextField& getEntryUnitLabel() const { return entryUnitLabel; }

    // A flow in l/min as stored: tenths, to the nearest, halves away from zero.
    static uint8_t toTenths(float flow);

private:
    void setupFlowEntry(guicontrols::Content& area);
    void updateScale(float flow);

    int32_t calibrationState;
    guicontrols::SpinBox flowEntry;
    guicontrols::TextField entryUnitLabel;
    quillon::Callback<SolarPumpCalibrationView, const float&> flowCallback;
};

#endif
