#ifndef RTOS_EVENT_GROUP_HPP
#define RTOS_EVENT_GROUP_HPP

#include <rtos/Task.hpp>

extern "C" {

enum : uint32_t
{
    EVENT_BITS_MASK = 0x00FFFFFFu,          // the 24 event bits
    EVENT_CLEAR_ON_EXIT = 0x01000000u,
    EVENT_UNBLOCKED_BY_SET = 0x02000000u,
    EVENT_WAIT_FOR_ALL = 0x04000000u,
    EVENT_ITEM_VALUE_IN_USE = 0x80000000u,
    EVENT_CONTROL_BYTES = 0xFF000000u,
};

struct rtosEventGroup
{
    uint32_t bits;
    rtosList waitingTasks;
};
typedef rtosEventGroup* rtosEventGroupHandle;

[[nodiscard]] rtosEventGroupHandle rtosEventGroupCreate(void);
[[nodiscard]] uint32_t rtosEventGroupWaitBits(rtosEventGroupHandle group, uint32_t bits, int32_t clearOnExit, int32_t waitForAll,
                                uint32_t ticks);
[[nodiscard]] uint32_t rtosEventGroupSync(rtosEventGroupHandle group, uint32_t bitsToSet, uint32_t bitsToWaitFor, uint32_t ticks);
uint32_t rtosEventGroupSetBits(rtosEventGroupHandle group, uint32_t bits);
uint32_t rtosEventGroupClearBits(rtosEventGroupHandle group, uint32_t bits);
uint32_t rtosEventGroupGetBitsFromInterrupt(rtosEventGroupHandle group);
void rtosEventGroupDelete(rtosEventGroupHandle group);
// Set and clear in the form of a function pended to the timer task.
void rtosEventGroupSetBitsCallback(void* group, uint32_t bits);
void rtosEventGroupClearBitsCallback(void* group, uint32_t bits);

} // extern "C"

#endif
