#ifndef GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMEDITPRESENTER_HPP
#define GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMEDITPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "gui/screens/timeprogram/TimeProgramStore.hpp"

class TimeProgramEditView;

// The day editor's model side: reads the day once at set-up and writes it on confirm; it
// neither watches nor polls.
class TimeProgramEditPresenter : public BasePresenter
{
public:
    TimeProgramEditPresenter(TimeProgramEditView& view, const TimeProgramKind& kind);

    time_point getDayProgram(uint32_t circuit, uint8_t day);
    void setDayProgram(uint32_t circuit, uint8_t day, const time_point& record);
    const TimeProgramKind& getKind() const { return store.getKind(); }

private:
    TimeProgramStore store;
};

#endif
