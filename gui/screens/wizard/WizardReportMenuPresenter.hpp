#ifndef GUI_SCREENS_WIZARD_WIZARDREPORTMENUPRESENTER_HPP
#define GUI_SCREENS_WIZARD_WIZARDREPORTMENUPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// Step 5 of the wizard: the report and its end. Shows no device data.
class WizardReportMenuPresenter : public BasePresenter
{
public:
    static constexpr uint32_t COMMISSIONING_REQUEST = 952;

    explicit WizardReportMenuPresenter(IView& view) : BasePresenter(view) {}
    ~WizardReportMenuPresenter() override {}

    // The request back to 0 on the device, and the finishing time into "WIZZARD START".
    void finishCommissioning();
};

#endif
