#ifndef GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEADDPRESENTER_HPP
#define GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEADDPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// Adding the cylinder beside the solar installation. It reads the table as it stands and
// watches only the device set.
class WizzardSystemSchemeAddPresenter : public BasePresenter
{
public:
    explicit WizzardSystemSchemeAddPresenter(IView& view) : BasePresenter(view) {}
    ~WizzardSystemSchemeAddPresenter() override {}

    bool hasDataChanged() override;

    bool isAvailable(uint32_t deviceFlag) const;
    uint8_t getScheme() const;
    bool hasAddedCylinder() const;
    void setAddedCylinder();
};

#endif
