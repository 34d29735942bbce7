#ifndef GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMOVERVIEWPRESENTER_HPP
#define GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMOVERVIEWPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "gui/screens/timeprogram/TimeProgramStore.hpp"

class TimeProgramOverviewView;

// The week of one program: watches the circuit's seven records while shown and opens the
// editor or the copy screen of the same kind.
class TimeProgramOverviewPresenter : public BasePresenter
{
public:
    TimeProgramOverviewPresenter(TimeProgramOverviewView& view, const TimeProgramKind& kind);

    void activate() override;
    void deactivate() override;
    bool hasDataChanged() override { return filterChanged(); }

    time_point getDayProgram(uint32_t circuit, uint8_t day);
    void showCopyPage();
    void showEditPage();
    const TimeProgramKind& getKind() const { return store.getKind(); }

private:
    TimeProgramStore store;
};

#endif
