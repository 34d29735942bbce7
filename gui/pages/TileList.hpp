#ifndef GUI_PAGES_TILELIST_HPP
#define GUI_PAGES_TILELIST_HPP

#include "gui/pagemanager/HeatingCircuitParam.hpp"
#include "gui/pagemanager/IPageProtector.hpp"
#include "gui/pagemanager/Page.hpp"
#include "gui/pagemanager/PointerParam.hpp"

#include <stdint.h>

// A favourite tile: shown when always shown, or when its protector is available and its
// bit is set in the favourites setting.
struct TileItem
{
    static const uint16_t PARAM_NONE = 15;

    uint32_t textId;
    const char* suffix; // appended to the title (" 1"), or null
    uint32_t bitmapId;
    pagemanager::Page* target;
    IPageProtector* protector;
    uint16_t paramTag; // 1: the circuit below is stored before going to the target
    const HeatingCircuitParam* paramValue;
    uint8_t alwaysShown;
};

struct TileList
{
    uint16_t tileCount;
    const TileItem* tiles;
};

namespace pagemanager
{
template <>
struct PointerTraits<TileList>
{
    static constexpr uint16_t TAG = POINTER_TILES;
};
} // namespace pagemanager

#endif
