#ifndef GUICONTROLS_TIMEPROGRAMLISTGRAPH_HPP
#define GUICONTROLS_TIMEPROGRAMLISTGRAPH_HPP

#include "guicontrols/TimeProgramGraph.hpp"

#include <quillon/Callback.hpp>
#include <quillon/TypedText.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/widgets/TextArea.hpp>

#include <stdint.h>

namespace guicontrols
{
// A row of the week overview: the weekday and its plain bar. A press on the row tells the
// day callback which day it shows, at once: the screen changes on the press.
class TimeProgramListGraph : public quillon::Container
{
public:
    TimeProgramListGraph();

    void onClick(const quillon::ClickEvent& event) override;

    void setDayText(const quillon::TypedText& text) { label.setTextId(text); }
    void setDay(uint8_t index) { day = index; }
    uint8_t getDay() const { return day; }
    void setDayCallback(quillon::GenericCallback<unsigned char>* callback) { dayCallback = callback; }
    void clearPhases() { graph.clear(); }
    void addPhase(const TimeProgramGraph::TimePhase& phase) { graph.addPhase(phase); }
    void setActive(bool active);

    const TimeProgramGraph& getGraph() const { return graph; }

private:
    uint8_t day;
    quillon::GenericCallback<unsigned char>* dayCallback;
    quillon::TextArea label;
    TimeProgramGraph graph;
};
} // namespace guicontrols

#endif
