#ifndef GUI_SCREENS_ENERGY_INPUTGASMETERREADINGPRESENTER_HPP
#define GUI_SCREENS_ENERGY_INPUTGASMETERREADINGPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// Up to two gas meter readings, each with its date and the device's reference counter as it
// stood when the reading was entered. Loaded on entry, sent only on OK; a reading of 0 is
// none.
class InputGasMeterReadingPresenter : public BasePresenter
{
public:
    static constexpr uint16_t TEXT_UNITS = 20;
    static constexpr uint8_t READINGS = 2;

    enum State : uint8_t
    {
        NO_READING = 0,
        FIRST_READING = 1,
        BOTH_READINGS = 2
    };

    explicit InputGasMeterReadingPresenter(IView& view);
    ~InputGasMeterReadingPresenter() override {}

    void activate() override;
    void deactivate() override { unwatch(); }
    bool hasDataChanged() override { return filterChanged(); }

    void loadReadings();
    void loadDates();
    void updateState();

    uint8_t getState() const { return state; }
    uint32_t getReading(uint8_t index) const { return readings[slot(index)]; }
    void setReading(uint32_t value, uint8_t index) { readings[slot(index)] = value; }
    uint32_t getDate(uint8_t index) const { return dates[slot(index)]; }
    void setDate(uint32_t seconds, uint8_t index) { dates[slot(index)] = seconds; }
    uint32_t getCounterSnapshot(uint8_t index) const { return counterSnapshots[slot(index)]; }
    void setCounterSnapshot(uint32_t value, uint8_t index) { counterSnapshots[slot(index)] = value; }
    uint32_t getCounter() const { return counter; }

    const quillon::WideChar* formatReading(uint8_t index);
    // "1.   " and, unless without date, the reading's date as dd.mm.yyyy.
    const quillon::WideChar* formatLabel(uint8_t index, bool withoutDate);

    void storeReadings();
    void storeDates();

private:
    static uint8_t slot(uint8_t index) { return index == 0 ? 0 : 1; }

    uint32_t readings[READINGS];
    uint32_t counterSnapshots[READINGS];
    uint32_t counter;
    uint32_t dates[READINGS];
    uint8_t state;
    quillon::WideChar valueTexts[READINGS][TEXT_UNITS];
    quillon::WideChar labelTexts[READINGS][TEXT_UNITS];
};

#endif
