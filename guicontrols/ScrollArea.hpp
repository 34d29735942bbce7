#ifndef GUICONTROLS_SCROLLAREA_HPP
#define GUICONTROLS_SCROLLAREA_HPP

#include "guicontrols/IconButton.hpp"
#include "guicontrols/ItemsArea.hpp"
#include "guicontrols/ScrollBar.hpp"

#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>

#include <stdint.h>

namespace guicontrols
{
// A vertically scrolling area: items stacked from the top, moved in fixed steps by an up
// and a down button (one step per click and per repeat while held), with a bar whose
// indicator shows the visible share and the position. Buttons and bar show only while the
// content is taller than the items area. The items are the owner's; the area only links
// them into its items area.
//
// Calling order: construct; setItemSpacing / setPadding; setPosition; addItem with each
// item's width set to getContentWidth(); refill after removeAll or reset.
class ScrollArea : public quillon::Container
{
public:
    static const uint16_t DEFAULT_SCROLL_STEP = 40;

    ScrollArea();
    ~ScrollArea() override {}

    // Each lays the area out again; items added afterwards start at the top.
    void setPosition(int16_t x, int16_t y, int16_t width, int16_t height) override;
    void setWidth(int16_t width) override;
    void setHeight(int16_t height) override;
    // Removes an item; the items below it keep their places.
    void remove(quillon::Drawable& item) override;
    // reset(false): a refilled area shows the same scroll position.
    void removeAll() override;
    // Drops the items; toTop also scrolls back to the top. The controls keep their
    // visibility until the next item arrives.
    virtual void reset(bool toTop);
    virtual void layoutItemsArea(bool withBar);

    // Below the last item added, at the current scroll position.
    void addItem(quillon::Drawable& item);
    void setItemSpacing(uint16_t spacing) { itemSpacing = spacing; }
    uint16_t getItemSpacing() const { return itemSpacing; }
    // Taken at the next setPosition, setWidth or setHeight.
    void setPadding(uint16_t left, uint16_t right, uint16_t top, uint16_t bottom);
    void setScrollStep(uint16_t step);
    int16_t getContentWidth() const { return itemsArea.getWidth(); }

    uint16_t getScrollOffset() const { return scrollOffset; }
    int16_t getMaxScrollOffset() const { return maxScrollOffset; }
    uint16_t getBarStep() const { return barStep; }
    const ScrollBar& getScrollBar() const { return scrollBar; }
    const IconButton& getUpButton() const { return upButton; }
    const IconButton& getDownButton() const { return downButton; }
    const ItemsArea& getItemsArea() const { return itemsArea; }

private:
    void onButtonClicked(const quillon::AbstractButton& button);
    void onButtonRepeated(const RepeatableButton& button);
    void measureItem(quillon::Drawable& item);
    void scrollUp();
    void scrollDown();
    void updateLayout();
    void updateScrolling();
    void measureContent();
    void updateScrollBar();
    void showScrollControls(bool shown);
    bool areScrollControlsShown() const { return scrollBar.isVisible(); }
    // Moves the items by dy (positive: down, towards the top of the content).
    void moveItems(int32_t dy);

    quillon::Callback<ScrollArea, const quillon::AbstractButton&> clickCallback;
    quillon::Callback<ScrollArea, const RepeatableButton&> repeatCallback;
    quillon::Callback<ScrollArea, quillon::Drawable&> measureCallback;
    ScrollBar scrollBar;
    IconButton upButton;
    IconButton downButton;
    uint16_t scrollOffset;
    int16_t maxScrollOffset;
    uint16_t barStep;
    uint16_t scrollStep;
    uint16_t itemSpacing;
    uint16_t contentHeight;
    uint16_t insetLeft;
    uint16_t insetRight;
    uint16_t insetTop;
    uint16_t insetBottom;
    ItemsArea itemsArea;
};
} // namespace guicontrols

#endif
