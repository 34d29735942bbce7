#ifndef GUI_PAGEMANAGER_EMPTYPROTECTOR_HPP
#define GUI_PAGEMANAGER_EMPTYPROTECTOR_HPP

#include "gui/pagemanager/IPageProtector.hpp"

// Offered always, on no condition.
class EmptyProtector : public IPageProtector
{
public:
    bool isAvailable() override { return true; }
    bool isConditional() override { return false; }
};

#endif
