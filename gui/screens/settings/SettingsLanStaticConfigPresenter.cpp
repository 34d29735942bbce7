#include "gui/screens/settings/SettingsLanStaticConfigPresenter.hpp"

namespace
{
const uint32_t WRITE_ORDER[LanConfigState::ROW_COUNT] = {0, 2, 1, 3, 4};
} // namespace

uint32_t SettingsLanStaticConfigPresenter::getAddress(uint32_t row)
{
    if (row >= LanConfigState::ROW_COUNT) {
        return 0;
    }
    LanConfigState& held = config();
    if (held.state != LanConfigState::EDITED) {
        held.addresses[row] = addressPoint(row).getValue();
    }
    return held.addresses[row];
}

void SettingsLanStaticConfigPresenter::writeAddresses()
{
    for (uint32_t row : WRITE_ORDER) {
        addressPoint(row).setValue(config().addresses[row]);
    }
}
