#ifndef GUI_SCREENS_ENERGY_ENERGYCOCKPITPRESENTER_HPP
#define GUI_SCREENS_ENERGY_ENERGYCOCKPITPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "gui/common/PageIndicatorDataProvider.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// The second home page: which parts the installation has, the collector temperature, the
// cylinder's charge state and which heat source is feeding the cylinder.
class EnergyCockpitPresenter : public BasePresenter, public guicontrols::PageIndicatorDataProvider
{
public:
    static const uint8_t PAGE_INDEX = 1;

    explicit EnergyCockpitPresenter(IView& view);
    ~EnergyCockpitPresenter() override {}

    void activate() override;
    void deactivate() override;
    bool hasDataChanged() override { return filterChanged(); }
    bool hasDevicesChanged();
    uint8_t getPageIndex() override { return PAGE_INDEX; }

    uint8_t getBoilerVariant();
    // 0 without a cylinder-type flag.
    uint8_t getCylinderType();
    bool hasSolar();
    bool hasHotWater();
    bool hasEnergyBalance();
    bool hasSolarIntervalMenu();
    bool hasSolarOverview();

    void getCollectorTemperatureText(quillon::WideChar* buffer, uint16_t units);
    void getChargeStateText(quillon::WideChar* buffer, uint16_t units);
    bool isSolarHeating();
    bool isBoilerHeating();

private:
    bool anyOf(std::initializer_list<uint32_t> flags);
};

#endif
