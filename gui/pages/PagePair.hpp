#ifndef GUI_PAGES_PAGEPAIR_HPP
#define GUI_PAGES_PAGEPAIR_HPP

#include "gui/pagemanager/Page.hpp"
#include "gui/pagemanager/PointerParam.hpp"

// Where a note page leads: without and with the metering devices.
struct PagePair
{
    pagemanager::Page* firstPage;
    pagemanager::Page* secondPage;
};

namespace pagemanager
{
template <>
struct PointerTraits<PagePair>
{
    static constexpr uint16_t TAG = POINTER_PAGE_DATA;
};
} // namespace pagemanager

#endif
