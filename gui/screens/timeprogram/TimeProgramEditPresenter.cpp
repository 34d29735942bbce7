#include "gui/screens/timeprogram/TimeProgramEditPresenter.hpp"

#include "gui/screens/timeprogram/TimeProgramEditView.hpp"

TimeProgramEditPresenter::TimeProgramEditPresenter(TimeProgramEditView& view, const TimeProgramKind& kind)
    : BasePresenter(view), store(kind)
{
}

time_point TimeProgramEditPresenter::getDayProgram(uint32_t circuit, uint8_t day)
{
    store.bind(getModel());
    return store.getDayProgram(circuit, day);
}

void TimeProgramEditPresenter::setDayProgram(uint32_t circuit, uint8_t day, const time_point& record)
{
    store.bind(getModel());
    store.setDayProgram(circuit, day, record);
}
