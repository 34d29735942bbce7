#include "gui/screens/infocircuit/ResetDataPresenter.hpp"

#include "gui/screens/infocircuit/SolarFlags.hpp"
#include "model/DataModelManager.hpp"

namespace
{

// The function code of each single counter, by ResetItem.
const uint8_t CODES[RESET_ITEM_ALL] = {0x25, 0x20, 0x22, 0x30, 0x31, 0x33, 0x32, 0x34, 0x35, 0x37, 0x36};
} // namespace

bool ResetDataPresenter::hasSubduedOutsideTemperature() const
{
    return isAvailable(SolarFlags::OUTSIDE_TEMPERATURE_VALID);
}

void ResetDataPresenter::sendCode(uint8_t code)
{
    (void)getModel()->getGroups().rpc.functionCode.sendCode(code); // the call has no answer
}

void ResetDataPresenter::resetData(int32_t item)
{
    if (item >= RESET_ITEM_SUBDUED_OUTSIDE_TEMPERATURE && item < RESET_ITEM_ALL) {
        sendCode(CODES[item]);
        return;
    }
    if (item == RESET_ITEM_ALL_DETAILS) {
        if (hasSubduedOutsideTemperature()) {
            sendCode(CODES[RESET_ITEM_SUBDUED_OUTSIDE_TEMPERATURE]);
        }
        if (hasLargeSolarSystem()) {
            const ResetItem details[] = {RESET_ITEM_PUMP_STARTS, RESET_ITEM_STAGNATION,
                                         RESET_ITEM_INCORRECT_CIRCULATION, RESET_ITEM_DIFFERENCE_MONITOR,
                                         RESET_ITEM_OUTPUT_22_STARTS};
            for (ResetItem detail : details) {
                sendCode(CODES[detail]);
            }
        }
        sendAll();
    } else if (item == RESET_ITEM_ALL) {
        sendAll();
    }
}

void ResetDataPresenter::sendAll()
{
    sendCode(CODES[RESET_ITEM_BURNER_HOURS]);
    sendCode(CODES[RESET_ITEM_BURNER_STARTS]);
    if (!hasLargeSolarSystem()) {
        return;
    }
    sendCode(CODES[RESET_ITEM_PUMP_HOURS]);
    sendCode(CODES[RESET_ITEM_OUTPUT_22_HOURS]);
    if (hasSolarEnergy()) {
        sendCode(CODES[RESET_ITEM_SOLAR_ENERGY]);
    }
}
