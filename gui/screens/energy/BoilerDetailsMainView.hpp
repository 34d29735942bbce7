#ifndef GUI_SCREENS_ENERGY_BOILERDETAILSMAINVIEW_HPP
#define GUI_SCREENS_ENERGY_BOILERDETAILSMAINVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/energy/BoilerDetailsMainPresenter.hpp"
#include "gui/screens/list/ListConfiguration.hpp"
#include "guicontrols/ButtonItem.hpp"
#include "guicontrols/IActionContentProvider.hpp"
#include "guicontrols/NumericContentProvider.hpp"

#include <stdint.h>

// Four lines under the boiler model's name: the actual power, the operating hours, and the
// roads to the gas and the electricity consumption.
class BoilerDetailsMainView : public BaseView<BoilerDetailsMainPresenter>,
                              public guicontrols::IActionContentProvider,
                              public ListConfiguration
{
public:
    static const uint32_t GAS_LINE = 0;
    static const uint32_t ELECTRICITY_LINE = 1;

    BoilerDetailsMainView();
    ~BoilerDetailsMainView() override {}

    // The providers to the presenter's values, once it is bound.
    void beforeSetupScreen() override;
    const quillon::WideChar* getTitle() override;
    void setupContent(guicontrols::Content& area) override;
    void update() override;

    const quillon::WideChar* getText(uint32_t index) override;
    void execute(uint32_t index) override;

    const guicontrols::ButtonItem& getButtonLine(uint32_t index) const { return buttonLines[index]; }

private:
    using Counter = guicontrols::NumericContentProvider<uint32_t, DP_U32, 20>;

    void buildList();

    Counter powerProvider;
    Counter hoursProvider;
    guicontrols::ButtonItem buttonLines[2];
};

#endif
