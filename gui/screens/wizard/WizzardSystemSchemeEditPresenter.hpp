#ifndef GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEEDITPRESENTER_HPP
#define GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEEDITPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// The choice between adding and removing components. It reads the table as it stands and
// watches only the device set.
class WizzardSystemSchemeEditPresenter : public BasePresenter
{
public:
    explicit WizzardSystemSchemeEditPresenter(IView& view) : BasePresenter(view) {}
    ~WizzardSystemSchemeEditPresenter() override {}

    bool hasDataChanged() override;

    bool isAvailable(uint32_t deviceFlag) const;
    bool hasSolar() const;
    uint8_t getScheme() const;
    bool hasAddedCylinder() const;
};

#endif
