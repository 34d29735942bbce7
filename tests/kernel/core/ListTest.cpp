#include <rtos/List.hpp>

#include <gtest/gtest.h>

#include <vector>

namespace
{
std::vector<rtosListItem*> order(const rtosList& list)
{
    std::vector<rtosListItem*> items;
    for (rtosListItem* item = rtosListFirst(&list); item != rtosListEndMarker(&list); item = item->next) {
        items.push_back(item);
    }
    return items;
}
} // namespace

TEST(List, SortedInsertKeepsArrivalOrderOfEqualValues)
{
    rtosList list;
    rtosListInit(&list);
    rtosListItem first{5, nullptr, nullptr, nullptr, nullptr};
    rtosListItem three{3, nullptr, nullptr, nullptr, nullptr};
    rtosListItem second{5, nullptr, nullptr, nullptr, nullptr};
    rtosListItem last{RTOS_MAX_DELAY, nullptr, nullptr, nullptr, nullptr};
    rtosListInsert(&list, &last);
    rtosListInsert(&list, &first);
    rtosListInsert(&list, &three);
    rtosListInsert(&list, &second);
    EXPECT_EQ(order(list), (std::vector<rtosListItem*>{&three, &first, &second, &last}));
    EXPECT_EQ(list.numberOfItems, 4u);
    EXPECT_EQ(first.container, &list);
}

TEST(List, InsertEndGoesJustBeforeTheIndexAndRemoveMovesTheIndexBack)
{
    rtosList list;
    rtosListInit(&list);
    rtosListItem a{}, b{}, c{};
    rtosListInsertEnd(&list, &a);
    rtosListInsertEnd(&list, &b);
    list.index = &a; // the scheduler stands at a: a new item is the last one it reaches from there
    rtosListInsertEnd(&list, &c);
    EXPECT_EQ(order(list), (std::vector<rtosListItem*>{&c, &a, &b}));

    EXPECT_EQ(rtosListRemove(&a), 2u);
    EXPECT_EQ(list.index, &c);
    EXPECT_EQ(a.container, nullptr);
    EXPECT_EQ(rtosListRemove(&c), 1u);
    EXPECT_EQ(list.index, rtosListEndMarker(&list));
}
