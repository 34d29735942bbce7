#ifndef TESTS_GUI_SCREENS_ENERGY_GASBED_HPP
#define TESTS_GUI_SCREENS_ENERGY_GASBED_HPP

#include "EnergyBed.hpp"

#include "support/screen/FixedClock.hpp"

#include "gui/common/GenericView.hpp"

#include <cstdint>

namespace test
{
// The gas screens' road from the home screen, a panel clock of the test's own (the readings
// take today's date) and a user's fingers on the number keyboards.
class GasBed : public EnergyBed
{
public:
    // Table indexes of the gas meter values.
    static constexpr std::uint32_t DATE_1 = 229;
    static constexpr std::uint32_t READING_1 = 230;
    static constexpr std::uint32_t SNAPSHOT_1 = 231;
    static constexpr std::uint32_t DATE_2 = 232;
    static constexpr std::uint32_t READING_2 = 233;
    static constexpr std::uint32_t SNAPSHOT_2 = 234;
    static constexpr std::uint32_t COUNTER = 237;
    static constexpr std::uint32_t CALORIFIC_VALUE = 236;

    GasBed()
    {
        today() = helpers::DateTime(2026, 3, 14, 10, 20, 30);
        app.bed.model().getTimeManager().useClock(FixedClock::clock());
    }
    ~GasBed() { app.bed.model().getTimeManager().useClock(model::TimeManager::boardClock()); }

    static helpers::DateTime& today() { return FixedClock::now(); }
    static std::uint32_t todaySeconds() { return today().getTimestamp(); }

    // The stored readings as the device reports them: reading, date and snapshot of each.
    void storeReadings(std::uint32_t first, std::uint32_t firstDate, std::uint32_t firstSnapshot,
                       std::uint32_t second, std::uint32_t secondDate, std::uint32_t secondSnapshot)
    {
        const std::uint32_t indexes[] = {READING_1, DATE_1, SNAPSHOT_1, READING_2, DATE_2, SNAPSHOT_2};
        const std::uint32_t values[] = {first, firstDate, firstSnapshot, second, secondDate, secondSnapshot};
        for (int i = 0; i < 6; ++i) {
            app.bed.deviceSends(indexes[i], values[i]);
        }
    }

    // The gas consumption menu from home, then the page.
    void openFromMenu(pagemanager::Page& page)
    {
        fromHome(pages().gasIntervalPage, {});
        app.open(page);
        app.bed.ticks(1);
    }

    // A key of a number keyboard at its place in the content, under the top bar.
    void tapKey(std::int16_t x, std::int16_t y)
    {
        app.bed.click(static_cast<std::int16_t>(x + 35), static_cast<std::int16_t>(GenericView::TOP_BAR_HEIGHT + y + 35));
        app.bed.ticks(1);
    }
    void typeDigits(const char* text)
    {
        for (const char* c = text; *c != 0; ++c) {
            if (*c == '.') {
                tapKey(724, 110);
                continue;
            }
            const int i = *c == '0' ? 9 : *c - '1';
            tapKey(static_cast<std::int16_t>(4 + 72 * (i % 11)), static_cast<std::int16_t>(110 + 72 * (i / 11)));
        }
    }
    void backspace(int times)
    {
        for (int k = 0; k < times; ++k) {
            tapKey(652, 20);
        }
    }
};
} // namespace test

#endif
