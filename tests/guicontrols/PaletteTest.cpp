#include "guicontrols/Palette.hpp"

#include <quillon/hal/HAL.hpp>

#include <gtest/gtest.h>

using guicontrols::Palette;

// The triples and the RGB565 values as the look defines them; the low bits are dropped.
TEST(Palette, EachEntryIsItsTripleWithTheLowBitsDropped)
{
    struct Case
    {
        uint8_t red, green, blue;
        quillon::Color expected;
    };
    const Case cases[Palette::SIZE] = {
        {236, 236, 236, 0xEF7D}, {204, 204, 204, 0xCE79}, {153, 153, 153, 0x9CD3}, {52, 52, 52, 0x31A6},
        {61, 61, 63, 0x39E7},    {26, 32, 35, 0x1904},    {0, 0, 0, 0x0000},       {251, 214, 59, 0xFEA7},
        {64, 164, 44, 0x4525},   {255, 0, 0, 0xF800},     {242, 148, 0, 0xF4A0},   {255, 255, 255, 0xFFFF},
        {0, 0, 0, 0x0000},       {202, 122, 1, 0xCBC0},   {132, 133, 135, 0x8430}, {62, 62, 64, 0x39E8},
        {63, 153, 43, 0x3CC5},   {66, 159, 53, 0x44E6},   {133, 95, 37, 0x82E4},   {240, 146, 2, 0xF480},
        {0, 255, 0, 0x07E0},     {82, 82, 82, 0x528A},    {179, 24, 13, 0xB0C1},   {239, 145, 2, 0xEC80},
        {70, 50, 20, 0x4182},    {155, 157, 158, 0x9CF3}, {244, 130, 31, 0xF403},  {224, 0, 26, 0xE003},
        {70, 164, 227, 0x453C},  {21, 104, 191, 0x1357},  {90, 51, 158, 0x5993},   {179, 21, 63, 0xB0A7},
        {224, 73, 58, 0xE247},   {0, 0, 255, 0x001F},     {165, 0, 255, 0xA01F},   {255, 0, 173, 0xF815},
        {255, 0, 0, 0xF800}};
    for (uint8_t i = 0; i < Palette::SIZE; ++i) {
        SCOPED_TRACE(static_cast<int>(i));
        const Case& c = cases[i];
        EXPECT_EQ(Palette::entry(i), quillon::colorFromRGB(c.red, c.green, c.blue));
        EXPECT_EQ(Palette::entry(i), c.expected);
    }
}

TEST(Palette, EntriesKeepTheirAddressAndTwinsStaySeparate)
{
    EXPECT_EQ(&Palette::entry(11), &Palette::entry(11));
    EXPECT_NE(&Palette::entry(6), &Palette::entry(12)); // both black, each with its own users
    EXPECT_DEATH(Palette::entry(Palette::SIZE), "Palette index out of range");
}
