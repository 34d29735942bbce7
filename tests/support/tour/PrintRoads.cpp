// Prints the road table for scripts, one line each:
//     road <page> <id> <home returns 0|1> <x>,<y>,<frames> ...
//     none <page> <id> <why>
//     language <id> <name> <x>,<y>,<frames> ...
//     home <x>,<y>,<frames>                  the bottom bar's home button
#include "support/Roads.hpp"

#include <cstdio>

namespace
{
void printTouches(const roads::Point* touches, uint32_t count)
{
    for (uint32_t i = 0; i < count; ++i) {
        std::printf(" %d,%d,%u", touches[i].x, touches[i].y, touches[i].frames);
    }
    std::printf("\n");
}
} // namespace

int main()
{
    for (uint32_t i = 0; i < roads::tableSize(); ++i) {
        const roads::Road& road = roads::table()[i];
        if (road.why != nullptr) {
            std::printf("none %s %u %s\n", road.page, road.pageId, road.why);
            continue;
        }
        std::printf("road %s %u %d", road.page, road.pageId, road.homeReturns ? 1 : 0);
        printTouches(road.touches, road.touchCount);
    }
    for (uint16_t language = 0; language < roads::LANGUAGE_COUNT; ++language) {
        roads::Point touches[roads::MAX_LANGUAGE_TOUCHES];
        std::printf("language %u %s", language, roads::languageName(language));
        printTouches(touches, roads::languageTouches(language, touches));
    }
    std::printf("home");
    printTouches(&roads::HOME_TOUCH, 1);
    return 0;
}
