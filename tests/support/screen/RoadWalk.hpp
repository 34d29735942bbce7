#ifndef TESTS_SUPPORT_SCREEN_ROADWALK_HPP
#define TESTS_SUPPORT_SCREEN_ROADWALK_HPP

#include "support/Roads.hpp"
#include "support/screen/AppTestBed.hpp"

namespace roads
{
// From a fresh application: the splash, then each touch with its frames.
inline void walk(test::AppTestBed& shell, const Point* touches, uint32_t count)
{
    shell.bed.ticks(SPLASH_FRAMES - 1); // the bed ran the first frame
    for (uint32_t i = 0; i < count; ++i) {
        shell.bed.click(touches[i].x, touches[i].y);
        shell.bed.ticks(touches[i].frames);
    }
}
} // namespace roads

#endif
