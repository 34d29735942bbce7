#ifndef TESTS_SUPPORT_SCREEN_FIXEDCLOCK_HPP
#define TESTS_SUPPORT_SCREEN_FIXEDCLOCK_HPP

#include "helpers/DateTime.hpp"
#include "model/time/TimeManager.hpp"

#include <cstdint>

namespace test
{
// A panel clock that stands where the test puts it and refuses to be set:
//     FixedClock::now() = helpers::DateTime(2026, 3, 14, 10, 20, 30);
//     model.getTimeManager().useClock(FixedClock::clock());
// Give the board's clock back when done.
struct FixedClock
{
    static helpers::DateTime& now()
    {
        static helpers::DateTime value;
        return value;
    }
    static const model::TimeManager::Clock& clock()
    {
        static const model::TimeManager::Clock fixed = {
            [](helpers::DateTime& value) {
                value = now();
                return true;
            },
            [](const helpers::DateTime&) { return false; },
            []() -> std::uint32_t { return 0; },
            []() { return false; },
        };
        return fixed;
    }
};
} // namespace test

#endif
