#ifndef GUI_PAGES_MENUDESCRIPTOR_HPP
#define GUI_PAGES_MENUDESCRIPTOR_HPP

#include "gui/pagemanager/IPageProtector.hpp"
#include "gui/pagemanager/Page.hpp"
#include "gui/pagemanager/PointerParam.hpp"

#include <stdint.h>

// One entry of a menu screen. It is shown only when its protector is set and available.
struct MenuItem
{
    static const uint32_t NO_BITMAP = 0xFFFF;
    // labelSource: 0 the text; 100..102 the name of heating circuit 1..3 when one is set.
    static const uint32_t TEXT_LABEL = 0;

    uint32_t textId;
    uint32_t bitmapId;
    pagemanager::Page* target; // null: the screen handles the entry itself
    IPageProtector* protector;
    uint32_t value;
};

// What a menu page shows: title, help and its entries in display order.
struct MenuDescriptor
{
    static const uint32_t NO_TEXT = 0xFFFF;

    uint32_t titleTextId;
    uint32_t helpTextId;
    uint32_t itemCount;
    const MenuItem* items;
};

namespace pagemanager
{
template <>
struct PointerTraits<MenuDescriptor>
{
    static constexpr uint16_t TAG = POINTER_MENU;
};
} // namespace pagemanager

#endif
