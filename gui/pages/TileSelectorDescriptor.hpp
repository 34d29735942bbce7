#ifndef GUI_PAGES_TILESELECTORDESCRIPTOR_HPP
#define GUI_PAGES_TILESELECTORDESCRIPTOR_HPP

#include "gui/pagemanager/PointerParam.hpp"

#include <stdint.h>

// What the tile selector switches; 5 is the LAN module.
struct TileSelectorDescriptor
{
    uint32_t selectorKind;
    uint32_t reserved[2];
};

namespace pagemanager
{
template <>
struct PointerTraits<TileSelectorDescriptor>
{
    static constexpr uint16_t TAG = POINTER_TILE_SELECTOR;
};
} // namespace pagemanager

#endif
