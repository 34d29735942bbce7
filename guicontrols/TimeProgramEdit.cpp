#include "guicontrols/TimeProgramEdit.hpp"

#include "guicontrols/Palette.hpp"

#include <initializer_list>

namespace guicontrols
{
namespace
{
const quillon::BitmapId SCALE = 227;
const quillon::BitmapId RELEASED = 16;
const quillon::BitmapId PRESSED = 18;
const int32_t MINUTE_STEP = 10;
const uint8_t DISABLED_ALPHA = 128;
const uint32_t GAP_MINUTES = 10;      // between the last period and a new one
const uint32_t NEW_PERIOD_MINUTES = 60;
const helpers::Time END_OF_DAY(24, 0, 0);
const helpers::Time SHORTEST_END(0, 10, 0);

TimeProgramGraph::TimePhase makePhase(const helpers::Time& start, const helpers::Time& end)
{
    TimeProgramGraph::TimePhase phase;
    phase.start = start;
    phase.end = end;
    return phase;
}
} // namespace

TimeProgramEdit::TimeProgramEdit()
    : selected(0),
      count(0),
      buttonCallback(this, &TimeProgramEdit::onButtonClicked),
      startCallback(this, &TimeProgramEdit::onStartTimeChanged),
      endCallback(this, &TimeProgramEdit::onEndTimeChanged)
{
    setWidth(800);
    setHeight(340);

    scale.setBitmap(quillon::Bitmap(SCALE));
    scale.setXY(110, 2);
    add(scale);

    startEditor.setXY(145, 115);
    startEditor.setTimeCallback(&startCallback);
    startEditor.setTime(helpers::Time());
    startEditor.setMinuteStep(MINUTE_STEP);
    startEditor.setDisabled(true);
    add(startEditor);

    endEditor.setXY(495, 115);
    endEditor.setTimeCallback(&endCallback);
    endEditor.setTime(helpers::Time());
    endEditor.setMinuteStep(MINUTE_STEP);
    endEditor.setAllow24(true);
    endEditor.setDisabled(true);
    add(endEditor);

    struct Placement
    {
        IconButton* button;
        int16_t x;
        int16_t y;
        quillon::BitmapId icon;
        bool enabled;
    };
    const Placement placements[] = {
        {&addButton, 695, 150, 154, true},
        {&removeButton, 695, 230, 159, false},
        {&previousButton, 50, 42, 209, false},
        {&nextButton, 695, 42, 211, false},
    };
    for (const Placement& p : placements) {
        p.button->setBitmaps(quillon::Bitmap(RELEASED), quillon::Bitmap(PRESSED));
        p.button->setAction(buttonCallback);
        p.button->setXY(p.x, p.y);
        p.button->setIcon(quillon::Bitmap(p.icon));
        setButtonEnabled(*p.button, p.enabled);
        add(*p.button);
    }

    startLabel.setTextId(quillon::TypedText(834));
    startLabel.setPosition(20, 200, 120, 80);
    endLabel.setTextId(quillon::TypedText(914));
    endLabel.setPosition(370, 200, 120, 80);
    for (quillon::TextAreaWithOneWildcard* label : {&startLabel, &endLabel}) {
        label->setColor(Palette::entry(11));
        add(*label);
    }

    graph.setXY(static_cast<int16_t>(scale.getX() + 26), static_cast<int16_t>(scale.getY() + scale.getHeight() + 5));
    add(graph);
}

void TimeProgramEdit::setSwitchTimes(const uint8_t* switchTimes)
{
    graph.clear();
    selected = 0;
    graph.setSwitchTimes(switchTimes);
    count = static_cast<uint8_t>(graph.getPhaseCount());
    if (count > 0) {
        graph.setSelectedPhase(0);
    }
    showSelected();
    updateButtons();
}

void TimeProgramEdit::onButtonClicked(const quillon::AbstractButton& button)
{
    // The counts are checked here too: a button may still take a touch in the frame its
    // state changes.
    if (&button == &addButton) {
        if (count < TimeProgramGraph::MAX_PHASES) {
            addPeriod();
        }
    } else if (&button == &removeButton) {
        if (count > 0) {
            removePeriod();
        }
    } else if (&button == &previousButton) {
        if (count >= 2) {
            select(selected == 0 ? static_cast<uint8_t>(count - 1) : static_cast<uint8_t>(selected - 1));
        }
    } else if (&button == &nextButton) {
        if (count >= 2) {
            select(selected + 1 >= count ? 0 : static_cast<uint8_t>(selected + 1));
        }
    }
}

void TimeProgramEdit::addPeriod()
{
    TimeProgramGraph::TimePhase phase = makePhase(helpers::Time(6, 0, 0), helpers::Time(22, 0, 0));
    if (count > 0) {
        helpers::Time start = graph.getPhase(count - 1).end;
        start.addMinutes(GAP_MINUTES);
        helpers::Time end = start;
        end.addMinutes(NEW_PERIOD_MINUTES);
        phase = end > END_OF_DAY ? makePhase(helpers::Time(0, 10, 0), helpers::Time(1, 10, 0)) : makePhase(start, end);
    }
    if (graph.addPhase(phase) == count) {
        return; // refused: nothing changes
    }
    count = static_cast<uint8_t>(graph.getPhaseCount());
    select(static_cast<uint8_t>(count - 1));
    updateButtons();
}

void TimeProgramEdit::removePeriod()
{
    graph.removePhase(selected);
    count = static_cast<uint8_t>(graph.getPhaseCount());
    if (selected > 0) {
        --selected;
    }
    graph.setSelectedPhase(count > 0 ? selected : -1);
    showSelected();
    updateButtons();
}

void TimeProgramEdit::select(uint8_t index)
{
    selected = index;
    graph.setSelectedPhase(selected);
    showSelected();
}

void TimeProgramEdit::showSelected()
{
    if (count > 0) {
        const TimeProgramGraph::TimePhase phase = graph.getPhase(selected);
        startEditor.setTime(phase.start);
        endEditor.setTime(phase.end);
    } else {
        startEditor.setTime(helpers::Time());
        endEditor.setTime(helpers::Time());
    }
}

void TimeProgramEdit::updateButtons()
{
    const bool any = !graph.isEmpty();
    startEditor.setDisabled(!any);
    endEditor.setDisabled(!any);
    setButtonEnabled(removeButton, any);
    setButtonEnabled(previousButton, count >= 2);
    setButtonEnabled(nextButton, count >= 2);
    setButtonEnabled(addButton, !graph.isFull());
}

void TimeProgramEdit::setButtonEnabled(IconButton& button, bool enabled)
{
    button.setTouchable(enabled);
    button.setAlpha(enabled ? 255 : DISABLED_ALPHA);
    button.invalidate();
}

void TimeProgramEdit::onStartTimeChanged(const helpers::Time& time)
{
    if (count == 0) {
        return;
    }
    TimeProgramGraph::TimePhase phase = graph.getPhase(selected);
    phase.start = time;
    if (!(time < endEditor.getTime())) {
        phase.end = time;
        phase.end.addMinutes(GAP_MINUTES);
        endEditor.setTime(phase.end);
    }
    graph.setPhase(phase, selected);
}

void TimeProgramEdit::onEndTimeChanged(const helpers::Time& time)
{
    if (count == 0) {
        return;
    }
    TimeProgramGraph::TimePhase phase = graph.getPhase(selected);
    phase.end = time;
    if (time < SHORTEST_END) {
        phase.end = SHORTEST_END;
        endEditor.setTime(phase.end);
    }
    if (!(phase.end > startEditor.getTime())) {
        phase.start = helpers::Time(phase.end.getSecondsOfDay() - GAP_MINUTES * 60);
        startEditor.setTime(phase.start);
    }
    graph.setPhase(phase, selected);
}
} // namespace guicontrols
