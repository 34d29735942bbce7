#include "Roads.hpp"

namespace roads
{
namespace
{
const Road ROADS[] = {
    {"startupPage", 52, "the splash of every start; the roads begin after it", nullptr, 0},
};
} // namespace

const Road* table()
{
    return ROADS;
}

uint32_t tableSize()
{
    return sizeof(ROADS) / sizeof(ROADS[0]);
}
} // namespace roads
