#ifndef GUI_SCREENS_SETTINGS_LANCONFIGSTATE_HPP
#define GUI_SCREENS_SETTINGS_LANCONFIGSTATE_HPP

#include <stdint.h>

// What the LAN configuration screens hand each other: every page change destroys the
// screens, so the edits and the test mode live here for the whole run.
struct LanConfigState
{
    static constexpr uint32_t ROW_COUNT = 5; // IP, mask, gateway, primary DNS, secondary DNS
    static constexpr uint32_t DHCP_TEST = 20;
    static constexpr uint32_t STATIC_TEST = 30; // also: the list loads the module's values
    static constexpr uint32_t EDITED = 40;      // the list shows the held edits
    // The rows' labels, also the editor's titles.
    static constexpr uint16_t ROW_TEXTS[ROW_COUNT] = {997, 1132, 1120, 1061, 1077};

    uint32_t state;
    uint32_t addresses[ROW_COUNT];

    static LanConfigState& shared()
    {
        static LanConfigState record = {STATIC_TEST, {0, 0, 0, 0, 0}};
        return record;
    }
    bool isEditRow() const { return state < ROW_COUNT; }
};

#endif
