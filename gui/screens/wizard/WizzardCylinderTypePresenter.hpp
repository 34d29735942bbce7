#ifndef GUI_SCREENS_WIZARD_WIZZARDCYLINDERTYPEPRESENTER_HPP
#define GUI_SCREENS_WIZARD_WIZZARDCYLINDERTYPEPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// The hot-water cylinder type the boiler keeps; the device set follows it.
class WizzardCylinderTypePresenter : public BasePresenter
{
public:
    // Types are 1 to 5; the value is read modulo this.
    static const uint8_t TYPE_MODULUS = 6;

    explicit WizzardCylinderTypePresenter(IView& view) : BasePresenter(view) {}
    ~WizzardCylinderTypePresenter() override {}

    void activate() override;
    void deactivate() override;
    // Takes both reports, of the watched point and of the device set.
    bool hasDataChanged() override;

    virtual bool isAvailable(uint32_t deviceFlag) const;
    uint8_t getCylinderType() const;
    void setCylinderType(uint8_t type);
};

#endif
