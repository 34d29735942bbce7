#include "gui/screens/wizard/TuningList.hpp"

#include "guicontrols/Content.hpp"
#include "guicontrols/LiteralText.hpp"


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
    fitFont(line);
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

int32_t TuningList::textWidth(const quillon::Font* font, const guicontrols::LongButton& line)
{
    int32_t width = guicontrols::LiteralText::getWidth(font, line.getText());
    const quillon::WideChar* value = line.getValueText();
    if (value != nullptr && value[0] != 0) {
        width += VALUE_GAP + guicontrols::LiteralText::getWidth(font, value);
    }
    return width;
}

int32_t TuningList::textRoom(const guicontrols::LongButton& line)
{
    return line.getWidth() - 2 * TEXT_MARGIN;
}

void TuningList::fitFont(guicontrols::LongButton& line)
{
    const quillon::Font* font = ApplicationFontProvider().getFont(LINE_FONT);
    if (textWidth(font, line) > textRoom(line)) {
        font = ApplicationFontProvider().getFont(CROWDED_LINE_FONT);
    }
    line.setFont(font);
}
