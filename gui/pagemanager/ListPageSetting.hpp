#ifndef GUI_PAGEMANAGER_LISTPAGESETTING_HPP
#define GUI_PAGEMANAGER_LISTPAGESETTING_HPP

#include "gui/pagemanager/PointerParam.hpp"

#include <stdint.h>

// What an information list page shows, attached to its page object.
struct ListPageSetting
{
    uint32_t diagnosis;    // non-zero opens the Diagnosis list
    uint32_t circuitIndex; // 0..2, for the heating-circuit list
};
static_assert(sizeof(ListPageSetting) == 8, "list page setting is 8 bytes");

namespace pagemanager
{
template <>
struct PointerTraits<ListPageSetting>
{
    static constexpr uint16_t TAG = POINTER_LIST_SETTING;
};
} // namespace pagemanager

#endif
