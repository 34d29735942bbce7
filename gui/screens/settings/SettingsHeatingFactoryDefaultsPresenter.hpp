#ifndef GUI_SCREENS_SETTINGS_SETTINGSHEATINGFACTORYDEFAULTSPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSHEATINGFACTORYDEFAULTSPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// The factory reset of one heating circuit on the device.
class SettingsHeatingFactoryDefaultsPresenter : public BasePresenter
{
public:
    explicit SettingsHeatingFactoryDefaultsPresenter(IView& view) : BasePresenter(view) {}
    ~SettingsHeatingFactoryDefaultsPresenter() override {}

    // Empty when the circuit has no name of its own.
    const quillon::WideChar* getCircuitName(uint8_t circuit);
    // Sends the reset call, then has every heating value read again so that the heating
    // screens show the reset ones. The call's answer is not awaited; false when the request
    // was not queued (no link, or its queue full).
    bool resetCircuit(uint8_t circuit);
};

#endif
