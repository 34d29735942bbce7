#include "guicontrols/TimeProgramListGraph.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/events/ClickEvent.hpp>

namespace guicontrols
{
namespace
{
// "Mo"
const quillon::TypedText MONDAY_SHORT(1218);
const int16_t GRAPH_X = 110;
} // namespace

TimeProgramListGraph::TimeProgramListGraph() : day(0), dayCallback(nullptr)
{
    setWidth(static_cast<int16_t>(graph.getWidth() + 120));
    setHeight(graph.getHeight());
    graph.setXY(GRAPH_X, 0);
    graph.setActive(false);
    graph.setShowNumbers(false);
    label.setPosition(40, static_cast<int16_t>(graph.getHeight() / 4), 70, graph.getHeight());
    label.setTextId(MONDAY_SHORT);
    label.setColor(Palette::entry(0));
    add(graph);
    add(label);
    setTouchable(true);
}

void TimeProgramListGraph::onClick(const quillon::ClickEvent& event)
{
    if (event.getType() == quillon::ClickEvent::PRESSED && dayCallback != nullptr && dayCallback->isValid()) {
        dayCallback->execute(day);
    }
}

void TimeProgramListGraph::setActive(bool active)
{
    graph.setActive(active);
    graph.invalidate();
}
} // namespace guicontrols
