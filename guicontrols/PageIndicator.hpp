#ifndef GUICONTROLS_PAGEINDICATOR_HPP
#define GUICONTROLS_PAGEINDICATOR_HPP

#include "guicontrols/SelectableBox.hpp"

#include <quillon/containers/Container.hpp>
#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace guicontrols
{
// The row of page dots of the home pages: up to 20 dots 5 px apart, one selected, the row
// centred on its anchor (the anchor is the middle of its top edge). Shows nothing until
// the owner sets the number of pages. Only setCurrentPage and nextPage redraw.
class PageIndicator : public quillon::Container
{
public:
    static const uint8_t MAX_PAGES = 20;
    static const int16_t GAP = 5;

    PageIndicator();
    ~PageIndicator() override {}

    // Gaps between the dots let the background through: nothing is reported opaque.
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }

    // 0 counts as 1, more than MAX_PAGES as MAX_PAGES.
    void setNumberOfPages(uint8_t pages);
    uint8_t getNumberOfPages() const { return numberOfPages; }
    void setAnchor(int16_t x, int16_t y);
    // An index at or past the number of pages leaves no dot selected.
    void setCurrentPage(uint8_t index);
    // The first selected dot, 0 when none is.
    uint8_t getCurrentPage() const;
    // After the last page comes the first.
    void nextPage();

    const SelectableBox& getDot(uint8_t index) const { return dots[index]; }

private:
    void placeAtAnchor();

    quillon::Vector<SelectableBox, MAX_PAGES> dots;
    uint8_t numberOfPages;
    int16_t anchorX;
    int16_t anchorY;
};
} // namespace guicontrols

#endif
