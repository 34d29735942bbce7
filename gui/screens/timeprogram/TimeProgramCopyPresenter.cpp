#include "gui/screens/timeprogram/TimeProgramCopyPresenter.hpp"

#include "gui/screens/timeprogram/TimeProgramCopyView.hpp"

TimeProgramCopyPresenter::TimeProgramCopyPresenter(TimeProgramCopyView& view, const TimeProgramKind& kind)
    : BasePresenter(view), store(kind)
{
}

time_point TimeProgramCopyPresenter::getDayProgram(uint32_t circuit, uint8_t day)
{
    store.bind(getModel());
    return store.getDayProgram(circuit, day);
}

void TimeProgramCopyPresenter::setDayProgram(uint32_t circuit, uint8_t day, const time_point& record)
{
    store.bind(getModel());
    store.setDayProgram(circuit, day, record);
}
