#include "gui/screens/wizard/CommissioningMask.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"

namespace CommissioningMask
{
namespace
{
Params::Commissioning* find(pagemanager::PageManager* pageManager)
{
    return pageManager != nullptr ? pageManager->getParam<Params::Commissioning>(nullptr) : nullptr;
}
} // namespace

void mark(pagemanager::PageManager* pageManager, uint32_t bit)
{
    Params::Commissioning* mask = find(pageManager);
    if (mask != nullptr) {
        mask->mask |= bit;
    }
}

bool has(pagemanager::PageManager* pageManager, uint32_t bit)
{
    const Params::Commissioning* mask = find(pageManager);
    return mask != nullptr && (mask->mask & bit) != 0;
}
} // namespace CommissioningMask
