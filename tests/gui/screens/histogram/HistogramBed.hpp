#ifndef TESTS_GUI_SCREENS_HISTOGRAM_HISTOGRAMBED_HPP
#define TESTS_GUI_SCREENS_HISTOGRAM_HISTOGRAMBED_HPP

#include "support/TextReading.hpp"
#include "support/screen/AppTestBed.hpp"
#include "support/screen/FixedClock.hpp"

#include "gui/pagemanager/IntervalSelection.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "helpers/DateTime.hpp"
#include "model/time/TimeManager.hpp"

#include <cstdint>
#include <string>

namespace test
{
// The application with a clock the test sets, and the roads into the history screens as the
// menus take them: the interval stored, then the page.
class HistogramBed
{
public:
    static constexpr std::int16_t BUTTON_WIDTH = 134;
    static constexpr std::int16_t BUTTON_Y = 480 - 35;

    explicit HistogramBed(const helpers::DateTime& now = helpers::DateTime(2026, 3, 31, 12, 0, 0))
    {
        clockNow() = now;
        app.bed.model().getTimeManager().useClock(FixedClock::clock());
        app.bed.setLanguage(quillon::LANGUAGE_ENGLISH); // the start-up took the panel's setting
    }
    ~HistogramBed() { app.bed.model().getTimeManager().useClock(model::TimeManager::boardClock()); }

    void openWith(pagemanager::Page& page, std::uint32_t interval, std::uint32_t noDetails = 0)
    {
        leave(page);
        app.pageManager().setParam(IntervalSelection{interval, noDetails});
        app.open(page);
        app.bed.ticks(1);
    }

    // Going to the page shown builds nothing: step back first, as a user would.
    void leave(pagemanager::Page& page)
    {
        if (app.pageManager().getCurrentPage() == &page) {
            app.pageManager().back();
            app.bed.ticks(1);
        }
    }

    void pressBottomButton(std::uint8_t index)
    {
        app.bed.click(static_cast<std::int16_t>(index * BUTTON_WIDTH + 60), BUTTON_Y);
        app.bed.ticks(1);
    }

    // A histogram bar's middle, in screen coordinates (content starts 72 px down).
    template <class View>
    void clickBar(View& view, int index)
    {
        const auto& bar = view.getHistogram().getBar(index);
        app.bed.click(static_cast<std::int16_t>(view.getHistogram().getX() + bar.getX() + bar.getWidth() / 2),
                      static_cast<std::int16_t>(72 + view.getHistogram().getY() + bar.getY() + bar.getHeight() / 2));
        app.bed.ticks(2);
    }

    void setDevice(std::uint32_t flag, bool present)
    {
        model::DeviceManager& devices = app.bed.model().getDeviceManager();
        if (present) {
            devices.setPresent(flag);
        } else {
            devices.setAbsent(flag);
        }
    }

    static helpers::DateTime& clockNow() { return FixedClock::now(); }

    AppTestBed app;
};
} // namespace test

#endif
