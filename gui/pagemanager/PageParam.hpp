#ifndef GUI_PAGEMANAGER_PAGEPARAM_HPP
#define GUI_PAGEMANAGER_PAGEPARAM_HPP

#include "gui/pagemanager/Param.hpp"
#include "gui/pagemanager/Params.hpp"

namespace pagemanager
{
class Page;

// One stored parameter and the page that was current when it was stored.
struct PageParam
{
    Param<Params::ParamUnion> param;
    Page* owner = nullptr;
};
} // namespace pagemanager

#endif
