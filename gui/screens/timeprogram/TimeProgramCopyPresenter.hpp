#ifndef GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMCOPYPRESENTER_HPP
#define GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMCOPYPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "gui/screens/timeprogram/TimeProgramStore.hpp"

class TimeProgramCopyView;

// The copy screen's model side: reads the source day and writes it to the checked days.
class TimeProgramCopyPresenter : public BasePresenter
{
public:
    TimeProgramCopyPresenter(TimeProgramCopyView& view, const TimeProgramKind& kind);

    time_point getDayProgram(uint32_t circuit, uint8_t day);
    void setDayProgram(uint32_t circuit, uint8_t day, const time_point& record);
    const TimeProgramKind& getKind() const { return store.getKind(); }

private:
    TimeProgramStore store;
};

#endif
