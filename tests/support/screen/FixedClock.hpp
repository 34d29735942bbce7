#ifndef TESTS_SUPPORT_SCREEN_FIXEDCLOCK_HPP
#define TESTS_SUPPORT_SCREEN_FIXEDCLOCK_HPP

#include "helpers/DateTime.hpp"
#include "model/time/TimeManager.hpp"

#include <cstdint>

namespace test
{
// The one date and time of every headless picture: the screen test bed holds the board
// clock at it, so two runs draw the same pictures.
struct PictureTime
{
    static constexpr std::uint16_t YEAR = 2026;
    static constexpr std::uint8_t MONTH = 3;
    static constexpr std::uint8_t DAY = 14;
    static constexpr std::uint8_t HOUR = 10;
    static constexpr std::uint8_t MINUTE = 20;
    static constexpr std::uint8_t SECOND = 30;
};

// A panel clock that stands where the test puts it (at first the picture time) and refuses
// to be set:
//     FixedClock::now() = helpers::DateTime(2026, 3, 14, 10, 20, 30);
//     model.getTimeManager().useClock(FixedClock::clock());
// Give the board's clock back when done.
struct FixedClock
{
    static helpers::DateTime& now()
    {
        static helpers::DateTime value(PictureTime::YEAR, PictureTime::MONTH, PictureTime::DAY, PictureTime::HOUR,
                                       PictureTime::MINUTE, PictureTime::SECOND);
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
