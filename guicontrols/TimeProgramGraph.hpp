#ifndef GUICONTROLS_TIMEPROGRAMGRAPH_HPP
#define GUICONTROLS_TIMEPROGRAMGRAPH_HPP

#include "helpers/Time.hpp"

#include <quillon/Bitmap.hpp>
#include <quillon/hal/Types.hpp>
#include <quillon/Widget.hpp>

#include <stdint.h>

namespace guicontrols
{
// One day of a time program as a 24-hour bar with up to four switching periods on it. The
// edit look numbers the periods and shows the selected one in orange; the plain look shows
// every period in orange. Periods keep the order they came in: they may overlap.
//
// A day travels as 8 switching-time bytes, a (start, end) pair per period; a pair whose
// start is not below its end holds none (0xFF 0xFF is written for that).
class TimeProgramGraph : public quillon::Widget
{
public:
    struct TimePhase
    {
        helpers::Time start;
        helpers::Time end;
    };

    static const uint16_t MAX_PHASES = 4;
    static const uint16_t SWITCH_TIME_BYTES = 2 * MAX_PHASES;

    TimeProgramGraph();

    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(0, 0, getWidth(), getHeight()); }

    // Refused when full or when the end is not after the start. Returns the period count.
    uint16_t addPhase(const TimePhase& phase);
    // Only for an existing index; unchecked, so an editor can pass any period it built.
    void setPhase(const TimePhase& phase, int32_t index);
    TimePhase getPhase(int32_t index) const { return phases[static_cast<uint16_t>(index)]; }
    void removePhase(int32_t index);
    void removeLastPhase();
    void clear();
    uint16_t getPhaseCount() const { return phases.size(); }
    bool isEmpty() const { return phases.size() == 0; }
    bool isFull() const { return phases.size() == MAX_PHASES; }
    // -1: none.
    void setSelectedPhase(int32_t index);
    int32_t getSelectedPhase() const { return selected; }
    void setActive(bool value) { active = value; }
    bool isActive() const { return active; }
    void setShowNumbers(bool value) { numbered = value; }

    // True when a period was loaded.
    bool setSwitchTimes(const uint8_t* switchTimes);
    const uint8_t* getSwitchTimes();

    // The bar of a period in widget coordinates.
    quillon::Rectangle phaseToRect(const TimePhase& phase) const;
    quillon::Rectangle getBar(int32_t index) const { return bars[static_cast<uint16_t>(index)]; }

private:
    void fillBar(const quillon::Rectangle& bar, quillon::Color color, const quillon::Rectangle& area) const;
    void drawPhaseNumber(int32_t index, const quillon::Rectangle& area) const;

    quillon::Vector<quillon::Rectangle, MAX_PHASES> bars;
    quillon::Vector<TimePhase, MAX_PHASES> phases;
    int8_t selected;
    quillon::Bitmap barBitmap;
    bool active;
    bool numbered;
    uint8_t switchTimeBuffer[SWITCH_TIME_BYTES];
};
} // namespace guicontrols

#endif
