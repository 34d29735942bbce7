#ifndef GUI_SCREENS_WIZARD_COMMISSIONINGMASK_HPP
#define GUI_SCREENS_WIZARD_COMMISSIONINGMASK_HPP

#include <stdint.h>

namespace pagemanager
{
class PageManager;
}

// The wizard's record of the steps taken. It exists only once the start-up screen opened
// the wizard; without it nothing is recorded and no step counts as taken.
namespace CommissioningMask
{
const uint32_t SYSTEM_SCHEME_SHOWN = 0x0100;
const uint32_t FINE_TUNING_OPENED = 0x0200;

void mark(pagemanager::PageManager* pageManager, uint32_t bit);
bool has(pagemanager::PageManager* pageManager, uint32_t bit);
} // namespace CommissioningMask

#endif
