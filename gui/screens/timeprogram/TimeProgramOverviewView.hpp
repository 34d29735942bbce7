#ifndef GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMOVERVIEWVIEW_HPP
#define GUI_SCREENS_TIMEPROGRAM_TIMEPROGRAMOVERVIEWVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/timeprogram/TimeProgramOverviewPresenter.hpp"
#include "guicontrols/ScrollArea.hpp"
#include "guicontrols/TimeProgramListGraph.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/Image.hpp>

// Monday to Sunday as rows of 24-hour bars. A row press picks the day for "Edit" and
// "Copy"; opened read-only, nothing can be picked or opened.
class TimeProgramOverviewView : public BaseView<TimeProgramOverviewPresenter>
{
public:
    static const uint8_t EDIT_BUTTON = 5;
    static const uint8_t COPY_BUTTON = 4;

    TimeProgramOverviewView();

    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void refresh() override;
    quillon::TextId getTitleText() override;
    const quillon::WideChar* getHelpText() override;

    void fillDay(guicontrols::TimeProgramListGraph& row, uint8_t day, uint32_t circuit);
    void selectDay(uint8_t day);
    uint8_t getSelectedDay() const { return selectedDay; }
    void onDayClicked(unsigned char day) { selectDay(day); }

    const guicontrols::TimeProgramListGraph& getRow(uint8_t day) const { return rows[TimeProgramStore::safeDay(day)]; }
    const guicontrols::ScrollArea& getScrollArea() const { return scrollArea; }

private:
    void fillAllDays();

    uint32_t circuit;
    uint8_t selectedDay;
    uint8_t readOnly;
    bool shown; // a parameter named what to show
    quillon::Image scale;
    guicontrols::ScrollArea scrollArea;
    guicontrols::TimeProgramListGraph rows[TimeProgramStore::DAYS];
    quillon::Callback<TimeProgramOverviewView, unsigned char> dayCallback;
};

#endif
