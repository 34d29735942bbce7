#include "KernelState.hpp"

#include <rtos/EventGroup.hpp>
#include <rtos/Port.hpp>

namespace
{
bool conditionHolds(uint32_t current, uint32_t wanted, bool all)
{
    return all ? (current & wanted) == wanted : (current & wanted) != 0;
}

// After a wait: the value handed over by a set, or, on a time-out, the bits as they are now.
uint32_t resultAfterWait(rtosEventGroup* group, uint32_t wanted, bool clearOnExit, bool all)
{
    uint32_t value = rtosResetEventItemValue();
    if ((value & EVENT_UNBLOCKED_BY_SET) == 0) {
        portEnterCritical();
        value = group->bits;
        if (conditionHolds(value, wanted, all) && clearOnExit) {
            group->bits &= ~wanted;
        }
        portExitCritical();
    }
    return value & EVENT_BITS_MASK;
}
} // namespace

rtosEventGroupHandle rtosEventGroupCreate(void)
{
    rtosEventGroup* group = static_cast<rtosEventGroup*>(rtosMalloc(sizeof(rtosEventGroup)));
    if (group != nullptr) {
        group->bits = 0;
        rtosListInit(&group->waitingTasks);
    }
    return group;
}

uint32_t rtosEventGroupWaitBits(rtosEventGroupHandle group, uint32_t bits, int32_t clearOnExit, int32_t waitForAll,
                                uint32_t ticks)
{
    RTOS_CHECK(group != nullptr);
    RTOS_CHECK(bits != 0 && (bits & EVENT_CONTROL_BYTES) == 0);
    RTOS_CHECK(!(rtosGetSchedulerState() == SCHEDULER_SUSPENDED && ticks != 0));
    uint32_t result = 0;
    bool waited = false;
    rtosSuspendAll();
    const uint32_t current = group->bits;
    if (conditionHolds(current, bits, waitForAll)) {
        result = current;
        if (clearOnExit) {
            group->bits &= ~bits;
        }
    } else if (ticks == 0) {
        result = current;
    } else {
        const uint32_t control = (clearOnExit ? uint32_t(EVENT_CLEAR_ON_EXIT) : 0u) | (waitForAll ? uint32_t(EVENT_WAIT_FOR_ALL) : 0u);
        rtosPlaceOnUnorderedEventList(&group->waitingTasks, bits | control, ticks);
        waited = true;
    }
    const int32_t alreadyYielded = rtosResumeAll();
    if (waited) {
        if (!alreadyYielded) {
            portYield();
        }
        result = resultAfterWait(group, bits, clearOnExit != 0, waitForAll != 0);
    }
    return result & EVENT_BITS_MASK;
}

uint32_t rtosEventGroupSync(rtosEventGroupHandle group, uint32_t bitsToSet, uint32_t bitsToWaitFor, uint32_t ticks)
{
    RTOS_CHECK(group != nullptr);
    RTOS_CHECK(bitsToWaitFor != 0 && (bitsToWaitFor & EVENT_CONTROL_BYTES) == 0);
    RTOS_CHECK(!(rtosGetSchedulerState() == SCHEDULER_SUSPENDED && ticks != 0));
    uint32_t result = 0;
    bool waited = false;
    rtosSuspendAll();
    const uint32_t before = group->bits;
    rtosEventGroupSetBits(group, bitsToSet);
    if (((before | bitsToSet) & bitsToWaitFor) == bitsToWaitFor) {
        result = before | bitsToSet;
        group->bits &= ~bitsToWaitFor;
    } else if (ticks != 0) {
        rtosPlaceOnUnorderedEventList(&group->waitingTasks, bitsToWaitFor | EVENT_CLEAR_ON_EXIT | EVENT_WAIT_FOR_ALL,
                                      ticks);
        waited = true;
    } else {
        result = group->bits;
    }
    const int32_t alreadyYielded = rtosResumeAll();
    if (waited) {
        if (!alreadyYielded) {
            portYield();
        }
        result = resultAfterWait(group, bitsToWaitFor, true, true);
    }
    return result & EVENT_BITS_MASK;
}

uint32_t rtosEventGroupSetBits(rtosEventGroupHandle group, uint32_t bits)
{
    RTOS_CHECK(group != nullptr);
    RTOS_CHECK((bits & EVENT_CONTROL_BYTES) == 0);
    rtosSuspendAll();
    group->bits |= bits;
    uint32_t toClear = 0;
    rtosListItem* const end = rtosListEndMarker(&group->waitingTasks);
    rtosListItem* item = rtosListFirst(&group->waitingTasks);
    while (item != end) {
        rtosListItem* const next = item->next; // the item may leave the list
        const uint32_t wanted = item->value & EVENT_BITS_MASK;
        if (conditionHolds(group->bits, wanted, (item->value & EVENT_WAIT_FOR_ALL) != 0)) {
            if (item->value & EVENT_CLEAR_ON_EXIT) {
                toClear |= wanted;
            }
            // Every woken task sees the bits as they were before the clearing.
            rtosRemoveFromUnorderedEventList(item, group->bits | EVENT_UNBLOCKED_BY_SET);
        }
        item = next;
    }
    group->bits &= ~toClear;
    const uint32_t result = group->bits;
    rtosResumeAll();
    return result;
}

uint32_t rtosEventGroupClearBits(rtosEventGroupHandle group, uint32_t bits)
{
    RTOS_CHECK(group != nullptr);
    RTOS_CHECK((bits & EVENT_CONTROL_BYTES) == 0);
    portEnterCritical();
    const uint32_t before = group->bits;
    group->bits &= ~bits;
    portExitCritical();
    return before & EVENT_BITS_MASK;
}

uint32_t rtosEventGroupGetBitsFromInterrupt(rtosEventGroupHandle group) { return group->bits & EVENT_BITS_MASK; }

void rtosEventGroupDelete(rtosEventGroupHandle group)
{
    rtosSuspendAll();
    while (group->waitingTasks.numberOfItems > 0) {
        RTOS_CHECK(rtosListFirst(&group->waitingTasks) != rtosListEndMarker(&group->waitingTasks));
        rtosRemoveFromUnorderedEventList(rtosListFirst(&group->waitingTasks), EVENT_UNBLOCKED_BY_SET);
    }
    rtosFree(group);
    rtosResumeAll();
}

void rtosEventGroupSetBitsCallback(void* group, uint32_t bits)
{
    rtosEventGroupSetBits(static_cast<rtosEventGroupHandle>(group), bits);
}

void rtosEventGroupClearBitsCallback(void* group, uint32_t bits)
{
    rtosEventGroupClearBits(static_cast<rtosEventGroupHandle>(group), bits);
}
