#include <rtos/List.hpp>

void rtosListInit(rtosList* list)
{
    rtosListItem* end = rtosListEndMarker(list);
    list->index = end;
    list->end.value = RTOS_MAX_DELAY;
    list->end.next = end;
    list->end.previous = end;
    list->numberOfItems = 0;
}

void rtosListInitItem(rtosListItem* item)
{
    item->container = nullptr;
}

// Just before the index: the last item the scheduler reaches when it steps on from there.
void rtosListInsertEnd(rtosList* list, rtosListItem* item)
{
    rtosListItem* index = list->index;
    item->next = index;
    item->previous = index->previous;
    index->previous->next = item;
    index->previous = item;
    item->container = list;
    ++list->numberOfItems;
}

// Ascending by value, behind items of equal value, so that equals keep their arrival order.
void rtosListInsert(rtosList* list, rtosListItem* item)
{
    rtosListItem* end = rtosListEndMarker(list);
    rtosListItem* behind = end->previous; // an item of the maximum value goes last
    if (item->value != RTOS_MAX_DELAY) {
        behind = end;
        while (behind->next != end && behind->next->value <= item->value) {
            behind = behind->next;
        }
    }
    item->next = behind->next;
    item->next->previous = item;
    item->previous = behind;
    behind->next = item;
    item->container = list;
    ++list->numberOfItems;
}

uint32_t rtosListRemove(rtosListItem* item)
{
    rtosList* list = item->container;
    item->next->previous = item->previous;
    item->previous->next = item->next;
    if (list->index == item) {
        list->index = item->previous;
    }
    item->container = nullptr;
    return --list->numberOfItems;
}
