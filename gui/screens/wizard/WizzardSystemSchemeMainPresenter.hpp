#ifndef GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEMAINPRESENTER_HPP
#define GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEMAINPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

namespace model
{
class DHWGroup;
class ShortQueryGroup;
class HCGroup;
} // namespace model

// Step 4 of the wizard: the installation as the boiler reports it (scheme number, added
// cylinder, circuit types) and the devices found on the bus. Device codes are the device
// flag numbers the scheme widget draws; NO_DEVICE stands for none.
class WizzardSystemSchemeMainPresenter : public BasePresenter
{
public:
    static const uint32_t NO_DEVICE = 84;
    static const uint32_t EXTRA_COMPONENT = 37;
    static const uint32_t DEFAULT_BOILER = 57;
    static const uint8_t CIRCUIT_COUNT = 3;

    explicit WizzardSystemSchemeMainPresenter(IView& view);
    ~WizzardSystemSchemeMainPresenter() override {}

    void activate() override;
    void deactivate() override;
    // A new device set, else a change of a watched point; each report is taken.
    bool hasDataChanged() override;

    bool isAvailable(uint32_t deviceFlag) const;
    uint8_t getScheme() const;
    void setScheme(uint8_t scheme);
    bool hasAddedCylinder() const;
    void clearAddedCylinder();
    bool hasSolar() const;
    bool hasExtraComponent() const;
    uint32_t getSolarDevice() const;
    uint32_t getCylinderDevice() const;
    uint32_t getBoilerDevice() const;
    // 0 standard, 1 underfloor, 2 swimming pool; circuit 0 to 2.
    uint8_t getCircuitType(uint8_t circuit) const;

private:
    // The first of the flags present, else the fallback.
    uint32_t firstPresent(const uint32_t* flags, uint8_t count, uint32_t fallback) const;

    model::DHWGroup* dhw() const { return &getModel()->getGroups().dhw; }
    model::ShortQueryGroup* shortQuery() const { return &getModel()->getGroups().shortQuery; }
    model::HCGroup* circuits() const { return &getModel()->getGroups().hc; }
};

#endif
