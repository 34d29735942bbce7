#ifndef RTOS_LIST_HPP
#define RTOS_LIST_HPP

#include <rtos/Config.hpp>

extern "C" {

struct rtosList;

// A member of exactly one list at a time; the value is its sort key.
struct rtosListItem
{
    uint32_t value;
    rtosListItem* next;
    rtosListItem* previous;
    void* owner;
    rtosList* container;
};

// The end marker closes the circle: its next is the first item, its previous the last.
struct rtosListEnd
{
    uint32_t value;
    rtosListItem* next;
    rtosListItem* previous;
};

struct rtosList
{
    uint32_t numberOfItems;
    rtosListItem* index; // where the scheduler takes the next task of a ready list
    rtosListEnd end;
};

void rtosListInit(rtosList* list);
void rtosListInitItem(rtosListItem* item);
void rtosListInsertEnd(rtosList* list, rtosListItem* item);
void rtosListInsert(rtosList* list, rtosListItem* item);
uint32_t rtosListRemove(rtosListItem* item);

} // extern "C"

// Small readers used all over the kernel.
inline rtosListItem* rtosListEndMarker(const rtosList* list)
{
    return reinterpret_cast<rtosListItem*>(const_cast<rtosListEnd*>(&list->end));
}
inline bool rtosListIsEmpty(const rtosList* list) { return list->numberOfItems == 0; }
inline rtosListItem* rtosListFirst(const rtosList* list) { return list->end.next; }
inline void* rtosListFirstOwner(const rtosList* list) { return list->end.next->owner; }
inline bool rtosListContains(const rtosList* list, const rtosListItem* item) { return item->container == list; }

#endif
