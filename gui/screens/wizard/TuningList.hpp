#ifndef GUI_SCREENS_WIZARD_TUNINGLIST_HPP
#define GUI_SCREENS_WIZARD_TUNINGLIST_HPP

#include "guicontrols/ITextContentProvider.hpp"
#include "guicontrols/LongButton.hpp"
#include "guicontrols/ScrollArea.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/Font.hpp>

#include <stdint.h>

namespace guicontrols
{
class Content;
}

// The scrolling list of the commissioning tuning screens: long buttons stacked from the top,
// rebuilt from scratch whenever what they show may have changed. The lines are the view's;
// the list only remembers which ones it holds, in order.
//
//     list.setUp(area);            // once, in the content set-up
//     list.begin();                // forgets the lines, keeps the scroll position
//     list.add(line, &provider);   // the provider's value text, read now
//     list.add(plainLine);
//     list.end();                  // redraws
class TuningList
{
public:
    static constexpr uint32_t MAX_LINES = 15;
    static constexpr int16_t X = 30;
    static constexpr int16_t Y = 10;
    static constexpr int16_t WIDTH_LESS = 50;  // than the content
    static constexpr int16_t HEIGHT_LESS = 20; // than the content
    static constexpr uint16_t GAP = 10;
    static constexpr quillon::FontId LINE_FONT = 2;
    // For a line whose label would run into its value: the label is the device's own.
    static constexpr quillon::FontId CROWDED_LINE_FONT = 0;
    static constexpr int16_t TEXT_MARGIN = 25; // on both ends of a line
    static constexpr int16_t VALUE_GAP = 20;   // at least, between label and value

    TuningList();

    void setUp(guicontrols::Content& area);
    void begin();
    // A line beyond MAX_LINES is left out.
    void add(guicontrols::LongButton& line);
    void add(guicontrols::LongButton& line, guicontrols::ITextContentProvider& provider);
    void end();

    uint32_t getLineCount() const { return count; }
    const guicontrols::LongButton& getLine(uint32_t index) const { return *lines[index]; }
    const guicontrols::ScrollArea& getScrollArea() const { return scrollArea; }

    // Label, gap and value in the font's widths; the label alone without a value.
    static int32_t textWidth(const quillon::Font* font, const guicontrols::LongButton& line);
    static int32_t textRoom(const guicontrols::LongButton& line);

private:
    static void fitFont(guicontrols::LongButton& line);

    guicontrols::ScrollArea scrollArea;
    const guicontrols::LongButton* lines[MAX_LINES];
    uint32_t count;
};

#endif
