#ifndef GUICONTROLS_LISTCONTROL_HPP
#define GUICONTROLS_LISTCONTROL_HPP

#include "guicontrols/IItemProvider.hpp"
#include "guicontrols/ScrollArea.hpp"

#include <stdint.h>

namespace guicontrols
{
// A scroll area of up to 100 list items stacked from the top. It decides which items draw
// a separator below them and keeps the scroll-bar column free even while all fits, so the
// items never change width. Neither items nor providers are owned.
//
// Refill: clear(false), per line setProvider and add, then updateItems().
class ListControl : public ScrollArea
{
public:
    static const uint32_t MAX_ITEMS = 100;

    struct Layout
    {
        Layout() : itemSpacing(0), insetLeft(30), insetRight(10), insetTop(15), insetBottom(15), unused(40) {}
        uint16_t itemSpacing;
        uint16_t insetLeft;
        uint16_t insetRight;
        uint16_t insetTop;
        uint16_t insetBottom;
        uint16_t unused;
    };

    ListControl();
    ~ListControl() override {}

    // Before the list is positioned.
    void setLayout(const Layout& layout);
    // A 101st item is ignored.
    void add(IItemProvider* item);
    // toTop false keeps the scroll position for the refill.
    void clear(bool toTop);
    // Re-reads every item and redraws the list.
    void updateItems();
    bool contains(const IItemProvider* item) const;
    uint32_t getCount() const { return count; }

    void setPosition(int16_t x, int16_t y, int16_t width, int16_t height) override;
    void setWidth(int16_t width) override;
    void setHeight(int16_t height) override;
    // The table keeps its entry.
    void remove(quillon::Drawable& item) override;
    // Always with the scroll-bar column: its 91 px stay free while all fits.
    void layoutItemsArea(bool withBar) override;

private:
    // Rows are added as items only: the container's own drawable overloads stay out of reach.
    using ScrollArea::add;
    using ScrollArea::contains;

    void widenItems();

    IItemProvider* items[MAX_ITEMS];
    uint32_t count;
    bool itemsAreaPlaced;
};
} // namespace guicontrols

#endif
