#include "gui/pagemanager/Stack.hpp"

#include <gtest/gtest.h>

#include <cstdint>

TEST(Stack, LastInFirstOut)
{
    Stack<std::uint16_t, 3> stack;
    std::uint16_t top = 99;
    EXPECT_FALSE(stack.pop(top));
    EXPECT_FALSE(stack.peek(top));
    EXPECT_EQ(top, 99); // untouched when empty

    stack.push(1);
    stack.push(2);
    stack.push(3);
    EXPECT_TRUE(stack.isFull());
    EXPECT_EQ(stack.at(0), 1); // from the bottom
    EXPECT_TRUE(stack.peek(top));
    EXPECT_EQ(top, 3);
    EXPECT_EQ(stack.size(), 3);
    EXPECT_TRUE(stack.pop(top));
    EXPECT_EQ(top, 3);
    EXPECT_TRUE(stack.pop(top));
    EXPECT_EQ(top, 2);
    EXPECT_EQ(stack.size(), 1);
    stack.clear();
    EXPECT_FALSE(stack.pop(top));
}

TEST(StackDeathTest, PushingOntoAFullStackStops)
{
    Stack<std::uint16_t, 2> stack;
    stack.push(1);
    stack.push(2);
    EXPECT_DEATH(stack.push(3), "Vector capacity exceeded");
}
