#ifndef GUI_SCREENS_INFOCIRCUIT_RESETDATAPRESENTER_HPP
#define GUI_SCREENS_INFOCIRCUIT_RESETDATAPRESENTER_HPP

#include "gui/screens/infocircuit/InfoListPresenter.hpp"
#include "model/groups/ResetDataGroup.hpp"

#include <stdint.h>

// What a reset button resets: one counter each, or one of the two sets.
enum ResetItem : int32_t
{
    RESET_ITEM_SUBDUED_OUTSIDE_TEMPERATURE = 0,
    RESET_ITEM_BURNER_HOURS = 1,
    RESET_ITEM_BURNER_STARTS = 2,
    RESET_ITEM_PUMP_HOURS = 3,
    RESET_ITEM_SOLAR_ENERGY = 4,
    RESET_ITEM_PUMP_STARTS = 5,
    RESET_ITEM_STAGNATION = 6,
    RESET_ITEM_INCORRECT_CIRCULATION = 7,
    RESET_ITEM_DIFFERENCE_MONITOR = 8,
    RESET_ITEM_OUTPUT_22_HOURS = 9,
    RESET_ITEM_OUTPUT_22_STARTS = 10,
    RESET_ITEM_ALL = 11,
    RESET_ITEM_ALL_DETAILS = 12,
};

// The counters beside the reset buttons, and the device calls that set them back to zero.
class ResetDataPresenter : public InfoListPresenter
{
public:
    explicit ResetDataPresenter(IView& view) : InfoListPresenter(view, DeviceChanges::Rebuild) {}
    ~ResetDataPresenter() override {}

    void activate() override { watchList(counters()); }

    model::ResetDataGroup& counters() { return getModel()->getGroups().resetData; }
    // One function call per counter, in a fixed order; a set follows the devices present now.
    virtual void resetData(int32_t item);
    // Every counter is asked of the device again.
    void refreshCounters() { counters().refreshAll(); }

    // The solar energy has a counter of its own to reset.
    bool hasSolarEnergy() const { return hasLargeSolarSystem() && countsSolarEnergy(); }
    bool hasSubduedOutsideTemperature() const;

private:
    void sendAll();
    void sendCode(uint8_t code);
};

#endif
