#ifndef GUICONTROLS_ENERGYHISTOGRAM_HPP
#define GUICONTROLS_ENERGYHISTOGRAM_HPP

#include "guicontrols/EnergyBar.hpp"
#include "guicontrols/IEnergyBarConfigurator.hpp"
#include "guicontrols/TextField.hpp"
#include "helpers/DateTime.hpp"

#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>

#include <stdint.h>

namespace guicontrols
{
// 3 or 8 bars of a period counted back from a reference date, oldest at the left, with one
// common scale that switches from kWh to MWh, the current period highlighted and, for
// years, a large total. Entry k of a value array is the k-th newest period.
class EnergyHistogram : public quillon::Container
{
public:
    enum Period : uint32_t
    {
        DAY = 0,
        WEEK = 1,
        MONTH = 2,
        YEAR = 3
    };

    static const uint8_t MAX_BARS = 8;
    static const uint8_t YEAR_BARS = 3;
    static const uint16_t LABEL_SIZE = 20;
    static const uint16_t TOTAL_SIZE = 40;

    EnergyHistogram();
    ~EnergyHistogram() override {}

    void setDate(const helpers::DateTime& reference) { date = reference; }
    // Segment 0 to 2; other indexes are ignored. A segment without an array reads zeros.
    void setSegmentValues(const uint32_t* values, int index);
    void setConfiguration(uint32_t period, IEnergyBarConfigurator& configurator);
    // Offset: periods paged into the past (0: the newest bar is the current period).
    void update(uint8_t offset);
    void setBarClickedCallback(quillon::GenericCallback<const int&>* listener) { barClickedListener = listener; }

    uint32_t getScaleStepCount() const { return stepCount; }
    uint32_t getScaleMaximum() const { return scaleMaximum; }
    uint32_t getPeriod() const { return period; }
    uint8_t getBarCount() const { return barCount; }
    const quillon::WideChar* getBarLabel(int index) const { return labels[index]; }
    const EnergyBar& getBar(int index) const { return bars[index]; }
    const TextField& getTotal() const { return total; }
    const quillon::WideChar* getTotalText() const { return totalText; }

    // Headings of the histogram screens; each returns the characters written.
    static uint8_t formatDayRange(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date, int32_t days,
                                  bool shortForm);
    static uint8_t formatWeekRange(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date,
                                   int32_t weeks, bool shortForm);
    static uint8_t formatMonthRange(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date,
                                    int32_t months);
    static uint8_t formatYearRange(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date,
                                   int32_t years);
    static uint8_t formatDay(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date);
    static uint8_t formatWeek(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date);
    static uint8_t formatMonth(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date);
    static uint8_t formatYear(quillon::WideChar* buffer, uint8_t size, const helpers::DateTime& date);
    static uint32_t alignUp(uint32_t value, uint32_t step);
    // The Monday of the date's week; a Sunday counts to the week that follows it.
    static helpers::DateTime weekStart(const helpers::DateTime& date);

private:
    void onBarClicked(EnergyBar* bar);
    void computeScale();
    void formatBarLabel(quillon::WideChar* buffer, int index, uint8_t offset) const;
    void formatCurrentLabel(quillon::WideChar* buffer) const;
    void writeTotal();

    EnergyBar bars[MAX_BARS];
    quillon::WideChar labels[MAX_BARS][LABEL_SIZE];
    const uint32_t* segmentValues[EnergyBar::MAX_SEGMENTS];
    uint32_t stepCount;
    uint32_t scaleMaximum;
    uint32_t period;
    uint8_t barCount;
    helpers::DateTime date;
    TextField total;
    quillon::WideChar totalText[TOTAL_SIZE];
    uint8_t segmentCount;
    quillon::Callback<EnergyHistogram, EnergyBar*> barCallback;
    quillon::GenericCallback<const int&>* barClickedListener;
};
} // namespace guicontrols

#endif
