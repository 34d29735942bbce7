#ifndef GUI_SCREENS_CYLINDER_CYLINDERMINMAXVIEW_HPP
#define GUI_SCREENS_CYLINDER_CYLINDERMINMAXVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/cylinder/CylinderMinMaxPresenter.hpp"
#include "gui/screens/list/ListConfiguration.hpp"
#include "guicontrols/CylinderMinMaxProvider.hpp"
#include "guicontrols/SimpleTextProvider.hpp"

#include <stdint.h>

// The system temperatures the device recorded at the collector's lowest (view 0) and highest
// (1) and the cylinder's lowest (2) and highest (3) temperature since the last reset; view 4
// resets the records, says so and goes back. The view is the interval parameter's number.
class CylinderMinMaxView : public BaseView<CylinderMinMaxPresenter>, public ListConfiguration
{
public:
    static constexpr uint32_t VIEWS = 4;
    static constexpr uint32_t RESET_VIEW = 4;
    // Collector, extreme, time of measurement and T5..T1 at most.
    static constexpr uint32_t VALUE_LINES = 8;

    CylinderMinMaxView();
    ~CylinderMinMaxView() override {}

    // The providers to the presenter's records, once it is bound.
    void beforeSetupScreen() override { bindProviders(); }
    void setupTopBar(guicontrols::TopBar& bar) override;
    // The view's title as the last top-bar setup chose it; the reset's notice takes it.
    const quillon::WideChar* getTitle() override { return title; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void update() override;
    void onFeedbackFinished(bool* handled) override;

    uint32_t getView() const { return page; }

private:
    void bindProviders();
    void updateList();

    uint32_t page;
    const quillon::WideChar* title;
    guicontrols::CylinderMinMaxProvider values[VIEWS][VALUE_LINES];
    guicontrols::SimpleTextProvider atCylinder[VIEWS];
    uint32_t firstSensorLine[VIEWS]; // the T5 line; T4..T1 follow
};

#endif
