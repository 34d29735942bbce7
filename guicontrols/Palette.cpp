#include "guicontrols/Palette.hpp"

#include <quillon/Assert.hpp>
#include <quillon/hal/HAL.hpp>

namespace guicontrols
{
namespace
{
struct Triple
{
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// Entries 6 and 12 are both black and 9 and 36 both red: each has users of its own.
const Triple TRIPLES[Palette::SIZE] = {
    {236, 236, 236}, {204, 204, 204}, {153, 153, 153}, {52, 52, 52},    {61, 61, 63},    {26, 32, 35},
    {0, 0, 0},       {251, 214, 59},  {64, 164, 44},   {255, 0, 0},     {242, 148, 0},   {255, 255, 255},
    {0, 0, 0},       {202, 122, 1},   {132, 133, 135}, {62, 62, 64},    {63, 153, 43},   {66, 159, 53},
    {133, 95, 37},   {240, 146, 2},   {0, 255, 0},     {82, 82, 82},    {179, 24, 13},   {239, 145, 2},
    {70, 50, 20},    {155, 157, 158}, {244, 130, 31},  {224, 0, 26},    {70, 164, 227},  {21, 104, 191},
    {90, 51, 158},   {179, 21, 63},   {224, 73, 58},   {0, 0, 255},     {165, 0, 255},   {255, 0, 173},
    {255, 0, 0}};

struct Table
{
    Table()
    {
        for (uint8_t i = 0; i < Palette::SIZE; ++i) {
            colors[i] = quillon::colorFromRGB(TRIPLES[i].red, TRIPLES[i].green, TRIPLES[i].blue);
        }
    }
    quillon::Color colors[Palette::SIZE];
};

// Built on first use, so a widget constructed by another global constructor finds it ready.
const Table& table()
{
    static const Table instance;
    return instance;
}

// ... and at the latest during start-up.
[[maybe_unused]] const Table& startupTable = table();
} // namespace

const quillon::Color& Palette::entry(uint8_t index)
{
    QUILLON_ASSERT(index < SIZE && "Palette index out of range");
    return table().colors[index];
}
} // namespace guicontrols
