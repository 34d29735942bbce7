#include "gui/screens/wizard/TuningList.hpp"

#include "guicontrols/Content.hpp"

TuningList::TuningList() : lines(), count(0) {}

void TuningList::setUp(guicontrols::Content& area)
{
    scrollArea.setPadding(0, 0, 0, 0);
    scrollArea.setItemSpacing(GAP);
    scrollArea.setPosition(X, Y, static_cast<int16_t>(area.getWidth() - WIDTH_LESS),
                           static_cast<int16_t>(area.getHeight() - HEIGHT_LESS));
    area.add(scrollArea);
}

void TuningList::begin()
{
    scrollArea.removeAll(); // the user's scroll position stays
    count = 0;
}

void TuningList::add(guicontrols::LongButton& line)
{
    if (count >= MAX_LINES) {
        return;
    }
    lines[count++] = &line;
    scrollArea.addItem(line);
}

void TuningList::add(guicontrols::LongButton& line, guicontrols::ITextContentProvider& provider)
{
    line.setValueText(provider.getSecondText(0));
    add(line);
}

void TuningList::end()
{
    scrollArea.invalidate();
}
