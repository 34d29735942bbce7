#include "guicontrols/PageIndicator.hpp"

namespace guicontrols
{
namespace
{
int16_t rowWidth(uint8_t pages)
{
    return static_cast<int16_t>((pages - 1) * PageIndicator::GAP + pages * SelectableBox::SIZE);
}
} // namespace

PageIndicator::PageIndicator() : numberOfPages(MAX_PAGES), anchorX(0), anchorY(0)
{
    SelectableBox prototype;
    for (uint8_t i = 0; i < MAX_PAGES; ++i) {
        prototype.setXY(static_cast<int16_t>(i * (SelectableBox::SIZE + GAP)), 0);
        prototype.setChecked(i == 0);
        dots.add(prototype);
    }
    setPosition(0, 0, rowWidth(MAX_PAGES), SelectableBox::SIZE);
}

void PageIndicator::setNumberOfPages(uint8_t pages)
{
    // No page still shows one dot: a row of none would be -5 px wide.
    if (pages == 0) {
        pages = 1;
    }
    numberOfPages = pages > MAX_PAGES ? MAX_PAGES : pages;
    removeAll();
    for (uint8_t i = 0; i < numberOfPages; ++i) {
        add(dots[i]);
    }
    setWidth(rowWidth(numberOfPages));
    setHeight(dots[0].getHeight());
    placeAtAnchor();
}

void PageIndicator::setAnchor(int16_t x, int16_t y)
{
    anchorX = x;
    anchorY = y;
    placeAtAnchor();
}

void PageIndicator::placeAtAnchor()
{
    setXY(static_cast<int16_t>(anchorX - getWidth() / 2), anchorY);
}

void PageIndicator::setCurrentPage(uint8_t index)
{
    for (uint8_t i = 0; i < numberOfPages; ++i) {
        dots[i].setChecked(i == index);
    }
    invalidate();
}

uint8_t PageIndicator::getCurrentPage() const
{
    for (uint8_t i = 0; i < MAX_PAGES; ++i) {
        if (dots[i].isChecked()) {
            return i;
        }
    }
    return 0;
}

void PageIndicator::nextPage()
{
    const uint8_t next = static_cast<uint8_t>(getCurrentPage() + 1);
    setCurrentPage(next < numberOfPages ? next : 0);
}
} // namespace guicontrols
