#ifndef GUICONTROLS_TIMEPROGRAMEDIT_HPP
#define GUICONTROLS_TIMEPROGRAMEDIT_HPP

#include "guicontrols/IconButton.hpp"
#include "guicontrols/TimeEdit.hpp"
#include "guicontrols/TimeProgramGraph.hpp"

#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/widgets/Image.hpp>
#include <quillon/widgets/TextAreaWithOneWildcard.hpp>

#include <stdint.h>

namespace guicontrols
{
// The editor of one day of a time program: the day's bar under an hour scale, the start and
// the end of the selected period, and buttons to add and remove a period and to move the
// selection. Every edit goes into the graph at once, so getSwitchTimes is what the user sees.
// An edited period lasts at least 10 minutes; periods are neither sorted nor merged.
class TimeProgramEdit : public quillon::Container
{
public:
    TimeProgramEdit();

    void setSwitchTimes(const uint8_t* switchTimes);
    const uint8_t* getSwitchTimes() { return graph.getSwitchTimes(); }

    const TimeProgramGraph& getGraph() const { return graph; }
    const TimeEdit& getStartEditor() const { return startEditor; }
    const TimeEdit& getEndEditor() const { return endEditor; }
    const IconButton& getAddButton() const { return addButton; }
    const IconButton& getRemoveButton() const { return removeButton; }
    const IconButton& getPreviousButton() const { return previousButton; }
    const IconButton& getNextButton() const { return nextButton; }
    uint8_t getSelected() const { return selected; }

    void onButtonClicked(const quillon::AbstractButton& button);
    void onStartTimeChanged(const helpers::Time& time);
    void onEndTimeChanged(const helpers::Time& time);

private:
    void addPeriod();
    void removePeriod();
    void select(uint8_t index);
    // The selected period in both time editors, or 00:00 in both when there is none.
    void showSelected();
    void updateButtons();
    void setButtonEnabled(IconButton& button, bool enabled);

    uint8_t selected;
    uint8_t count;
    quillon::Callback<TimeProgramEdit, const quillon::AbstractButton&> buttonCallback;
    quillon::Callback<TimeProgramEdit, const helpers::Time&> startCallback;
    quillon::Callback<TimeProgramEdit, const helpers::Time&> endCallback;
    quillon::Image scale;
    TimeProgramGraph graph;
    TimeEdit startEditor;
    TimeEdit endEditor;
    IconButton addButton;
    IconButton removeButton;
    IconButton previousButton;
    IconButton nextButton;
    quillon::TextAreaWithOneWildcard startLabel;
    quillon::TextAreaWithOneWildcard endLabel;
};
} // namespace guicontrols

#endif
