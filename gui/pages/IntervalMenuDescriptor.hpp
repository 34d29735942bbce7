#ifndef GUI_PAGES_INTERVALMENUDESCRIPTOR_HPP
#define GUI_PAGES_INTERVALMENUDESCRIPTOR_HPP

#include "gui/pagemanager/IntervalSelection.hpp"
#include "gui/pagemanager/Page.hpp"
#include "gui/pagemanager/PointerParam.hpp"

#include <stdint.h>

// One entry of an interval menu: the chart page and the period it opens with (null: an
// entry that opens a page of its own, not a chart).
struct IntervalMenuItem
{
    uint32_t textId;
    uint32_t bitmapId;
    pagemanager::Page* target;
    const IntervalSelection* interval;
};

struct IntervalMenuDescriptor
{
    uint32_t titleTextId;
    uint32_t helpTextId;
    uint32_t itemCount;
    const IntervalMenuItem* items;
};

// Which circuits a selection screen offers and where the choice leads.
struct SelectionDescriptor
{
    pagemanager::Page* target;
    uint32_t selectionKind; // 0 heating circuits, 1 DHW time program, 2 circulation time program
    uint32_t titleTextId;
    uint32_t helpTextId;
};

namespace pagemanager
{
template <>
struct PointerTraits<IntervalMenuDescriptor>
{
    static constexpr uint16_t TAG = POINTER_INTERVAL_MENU;
};
template <>
struct PointerTraits<SelectionDescriptor>
{
    static constexpr uint16_t TAG = POINTER_SELECTION;
};
} // namespace pagemanager

#endif
