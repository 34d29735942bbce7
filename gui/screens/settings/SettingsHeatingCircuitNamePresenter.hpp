#ifndef GUI_SCREENS_SETTINGS_SETTINGSHEATINGCIRCUITNAMEPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSHEATINGCIRCUITNAMEPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// A heating circuit's name. It is written to the device, which keeps it per circuit; the
// shell stores what the device then reports in HC1..HC3.
class SettingsHeatingCircuitNamePresenter : public BasePresenter
{
public:
    static const uint8_t CIRCUITS = 3;
    static const uint8_t MAX_CHARACTERS = 20;

    explicit SettingsHeatingCircuitNamePresenter(IView& view) : BasePresenter(view) {}
    ~SettingsHeatingCircuitNamePresenter() override {}

    // The stored name, else "Heating circuit n" in the current language.
    void getName(uint8_t circuit, quillon::WideChar* buffer, uint16_t units);
    // The device's 42-byte record: language code, length, the characters. An empty name
    // writes the circuit's default name; a circuit beyond the three writes nothing.
    void setName(uint8_t circuit, const quillon::WideChar* name);
};

#endif
