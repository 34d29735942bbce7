#ifndef GUI_SCREENS_WIZARD_WIZARDREPORTRESULTPRESENTER_HPP
#define GUI_SCREENS_WIZARD_WIZARDREPORTRESULTPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// The results of the commissioning: what the mask recorded. Polls nothing.
class WizardReportResultPresenter : public BasePresenter
{
public:
    explicit WizardReportResultPresenter(IView& view) : BasePresenter(view) {}
    ~WizardReportResultPresenter() override {}

    bool isAvailable(uint32_t deviceFlag) const;
};

#endif
