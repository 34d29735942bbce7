#ifndef GUI_PAGEMANAGER_PARAMS_HPP
#define GUI_PAGEMANAGER_PARAMS_HPP

#include "gui/pagemanager/HeatingCircuitParam.hpp"
#include "gui/pagemanager/HistogramSelection.hpp"
#include "gui/pagemanager/IntervalSelection.hpp"
#include "gui/pagemanager/OverviewState.hpp"

#include <stdint.h>

// The values screens hand on to the screens after them. Each value type has its own tag,
// so several tags that carry a plain number each get a small type of their own.
namespace Params
{
enum Tag : uint16_t
{
    PARAM_HISTOGRAM_SELECTION = 0,
    PARAM_HEATING_CIRCUIT = 1,
    PARAM_CP_SELECTION = 2,
    PARAM_MAIN_STATE = 3,
    PARAM_PANEL_LOCK_MODE = 4,
    PARAM_LAN_TEST = 5,
    PARAM_HOME_ICON = 7,
    PARAM_INTERVAL = 8,
    PARAM_TILE_CHOICE = 9,
    PARAM_COMMISSIONING = 10,
    PARAM_SYSTEM_SCHEME = 11,
    PARAM_FAVOURITES_STATE = 12,
    PARAM_OVERVIEW_STATE = 13,
    PARAM_FILLING_VENTING = 14,
};

struct CPSelection
{
    uint8_t level;
    uint8_t group;
    uint8_t reserved[2];
    uint32_t code;
};

struct MainState
{
    uint16_t circuit; // the home screen's chosen circuit
};

struct PanelLockMode
{
    uint16_t mode; // 1 partial, 2 full
};

struct HomeIcon
{
    uint16_t bitmap; // 0xFFFF: no home button
};

struct TileChoice
{
    int32_t choice;
};

struct Commissioning
{
    uint32_t mask;
};

struct SystemScheme
{
    int32_t scheme; // 0 hot water, 1 boiler, 2 both
};

struct FavouritesState
{
    uint8_t page;
};

struct FillingVenting
{
    uint8_t request; // not 0: inside the wizard
};

// Read by the LAN connection test; nothing stores it.
struct LanTest
{
    uint32_t state;
};

// Plain values only: a parameter is copied as a whole.
union ParamUnion
{
    HistogramSelection histogramSelection;
    HeatingCircuitParam heatingCircuit;
    CPSelection cpSelection;
    MainState mainState;
    PanelLockMode panelLockMode;
    HomeIcon homeIcon;
    IntervalSelection interval;
    TileChoice tileChoice;
    Commissioning commissioning;
    SystemScheme systemScheme;
    FavouritesState favouritesState;
    FillingVenting fillingVenting;
};

// The tag of each value type and its member of the union. A type with STORED false has a
// reader but can never be stored, so reading it always finds none.
template <typename T>
struct Traits;

#define PARAMS_STORED_TYPE(Type, tagValue, member)                \
    template <>                                                   \
    struct Traits<Type>                                           \
    {                                                             \
        static constexpr uint16_t TAG = tagValue;                 \
        static constexpr bool STORED = true;                      \
        static Type& in(ParamUnion& value) { return value.member; } \
    }

PARAMS_STORED_TYPE(HistogramSelection, PARAM_HISTOGRAM_SELECTION, histogramSelection);
PARAMS_STORED_TYPE(HeatingCircuitParam, PARAM_HEATING_CIRCUIT, heatingCircuit);
PARAMS_STORED_TYPE(CPSelection, PARAM_CP_SELECTION, cpSelection);
PARAMS_STORED_TYPE(MainState, PARAM_MAIN_STATE, mainState);
PARAMS_STORED_TYPE(PanelLockMode, PARAM_PANEL_LOCK_MODE, panelLockMode);
PARAMS_STORED_TYPE(HomeIcon, PARAM_HOME_ICON, homeIcon);
PARAMS_STORED_TYPE(IntervalSelection, PARAM_INTERVAL, interval);
PARAMS_STORED_TYPE(TileChoice, PARAM_TILE_CHOICE, tileChoice);
PARAMS_STORED_TYPE(Commissioning, PARAM_COMMISSIONING, commissioning);
PARAMS_STORED_TYPE(SystemScheme, PARAM_SYSTEM_SCHEME, systemScheme);
PARAMS_STORED_TYPE(FavouritesState, PARAM_FAVOURITES_STATE, favouritesState);
PARAMS_STORED_TYPE(FillingVenting, PARAM_FILLING_VENTING, fillingVenting);
#undef PARAMS_STORED_TYPE

template <>
struct Traits<LanTest>
{
    static constexpr uint16_t TAG = PARAM_LAN_TEST;
    static constexpr bool STORED = false;
};

template <>
struct Traits<OverviewState>
{
    static constexpr uint16_t TAG = PARAM_OVERVIEW_STATE;
    static constexpr bool STORED = false;
};
} // namespace Params

#endif
