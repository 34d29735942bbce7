#ifndef GUI_SCREENS_ENERGY_GASCONSUMPTIONDETECTIONIMPROVPRESENTER_HPP
#define GUI_SCREENS_ENERGY_GASCONSUMPTIONDETECTIONIMPROVPRESENTER_HPP

#include "gui/screens/energy/InputGasMeterReadingPresenter.hpp"

// The stored readings decide whether the question is asked at all.
class GasConsumptionDetectionImprovPresenter : public InputGasMeterReadingPresenter
{
public:
    explicit GasConsumptionDetectionImprovPresenter(IView& view) : InputGasMeterReadingPresenter(view) {}
    ~GasConsumptionDetectionImprovPresenter() override {}
};

#endif
