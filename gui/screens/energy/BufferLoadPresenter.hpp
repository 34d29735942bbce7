#ifndef GUI_SCREENS_ENERGY_BUFFERLOADPRESENTER_HPP
#define GUI_SCREENS_ENERGY_BUFFERLOADPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// The cylinder in detail: its temperatures, its charge state by zone and the two heat
// sources feeding it.
class BufferLoadPresenter : public BasePresenter
{
public:
    explicit BufferLoadPresenter(IView& view) : BasePresenter(view) {}
    ~BufferLoadPresenter() override {}

    void activate() override;
    void deactivate() override { unwatch(); }
    bool hasDataChanged() override { return filterChanged(); }
    bool hasDevicesChanged();

    // Whole degrees and the unit, or "---" for a flag other than 0.
    static void formatTemperature(quillon::WideChar* buffer, uint16_t units, int32_t tenths, uint8_t flag);
    void getSensorTemperatureText(quillon::WideChar* buffer, uint16_t units, uint8_t element);
    void getUpperTemperatureText(quillon::WideChar* buffer, uint16_t units);
    void getLowerTemperatureText(quillon::WideChar* buffer, uint16_t units);
    void getChargeStateText(quillon::WideChar* buffer, uint16_t units, uint8_t zone);

    uint8_t getBoilerVariant();
    // 4 without a cylinder-type flag.
    uint8_t getCylinderType();
    bool hasSolar();
    bool isSolarHeating();
    bool isBoilerHeating();
};

#endif
