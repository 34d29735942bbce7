#ifndef GUICONTROLS_TOPBAR_HPP
#define GUICONTROLS_TOPBAR_HPP

#include "guicontrols/TextField.hpp"

#include <quillon/containers/Container.hpp>
#include <quillon/widgets/Box.hpp>

#include <stdint.h>

namespace guicontrols
{
// The title bar across the top of every screen: either one formatted title, cut with "..."
// where it would run past its field, or up to three coloured segments and a right-hand
// text. The fields join the bar when first used and leave it at clear(). No setter redraws.
class TopBar : public quillon::Container
{
public:
    static const uint16_t TITLE_CAPACITY = 100;
    // A cut title keeps at most this many characters before its "...".
    static const uint16_t MAX_CUT_LENGTH = 96;

    TopBar(int16_t x, int16_t y, int16_t width, int16_t height);
    ~TopBar() override {}

    // Wide printf conventions: "%ls" for UTF-16 texts, "%d" for integers.
    void setTitle(const quillon::WideChar* format, ...);
    // Texts are borrowed; text2, text3 and right may be null. Fields already in the bar
    // keep their place: clear() before setting new segments.
    void setTitleSegments(const quillon::WideChar* text1, quillon::Color color1, const quillon::WideChar* text2,
                          quillon::Color color2, const quillon::WideChar* text3, quillon::Color color3,
                          const quillon::WideChar* right, quillon::Color rightColor);
    // The three segments shown, joined by blanks, in the title buffer (free while segments
    // are shown).
    const quillon::WideChar* getTitleText();
    void clear();

    const TextField& getTitleField() const { return titleField; }
    const TextField& getSegmentField(uint8_t index) const { return segmentFields[index]; }
    const TextField& getRightField() const { return rightField; }

private:
    static const uint8_t SEGMENTS = 3;

    void cutTitle();
    // Places a field holding text from x, as wide as its text, and adds it.
    void showSegment(TextField& field, const quillon::WideChar* text, quillon::Color color, int16_t x,
                     uint32_t alignment);
    const quillon::WideChar* shownText(const TextField& field) const;

    quillon::Box background;
    quillon::Box bottomLine;
    TextField titleField;
    TextField segmentFields[SEGMENTS];
    TextField rightField;
    quillon::WideChar titleBuffer[TITLE_CAPACITY];
};
} // namespace guicontrols

#endif
