#include "guicontrols/ListControl.hpp"

namespace guicontrols
{
ListControl::ListControl() : items{}, count(0), itemsAreaPlaced(false) {}

void ListControl::setLayout(const Layout& layout)
{
    setItemSpacing(layout.itemSpacing);
    setPadding(layout.insetLeft, layout.insetRight, layout.insetTop, layout.insetBottom);
}

void ListControl::add(IItemProvider* item)
{
    if (count >= MAX_ITEMS) {
        return;
    }
    items[count] = item;
    item->setWidth(getContentWidth());
    item->setX(0);
    addItem(*item);
    const uint32_t style = item->getSeparatorStyle();
    if (count == 0) {
        item->setSeparators(0);
    } else {
        // Recomputed from the upper item's constant style, not from its earlier flags.
        IItemProvider* previous = items[count - 1];
        const uint32_t above = previous->getSeparatorStyle();
        if ((above & IItemProvider::DRAWS_LINE) != 0 && (style & IItemProvider::BELOW_LINE) != 0) {
            previous->setSeparators(above & ~IItemProvider::DRAWS_LINE);
            item->setSeparators(style | IItemProvider::DRAWS_LINE | IItemProvider::BELOW_LINE);
        } else {
            previous->setSeparators(above | IItemProvider::DRAWS_LINE);
            item->setSeparators((style & ~(IItemProvider::DRAWS_LINE | IItemProvider::BELOW_LINE)) |
                                IItemProvider::BELOW_LINE);
        }
    }
    ++count;
}

void ListControl::clear(bool toTop)
{
    reset(toTop);
    count = 0;
    for (uint32_t i = 0; i < MAX_ITEMS; ++i) {
        items[i] = nullptr;
    }
}

void ListControl::updateItems()
{
    for (uint32_t i = 0; i < MAX_ITEMS; ++i) {
        if (items[i] != nullptr) {
            items[i]->update();
        }
    }
    invalidate();
}

bool ListControl::contains(const IItemProvider* item) const
{
    for (uint32_t i = 0; i < MAX_ITEMS; ++i) {
        if (items[i] == item) {
            return item != nullptr;
        }
    }
    return false;
}

void ListControl::widenItems()
{
    for (uint32_t i = 0; i < MAX_ITEMS; ++i) {
        if (items[i] != nullptr) {
            items[i]->setWidth(getContentWidth());
        }
    }
}

void ListControl::setPosition(int16_t x, int16_t y, int16_t width, int16_t height)
{
    itemsAreaPlaced = false;
    ScrollArea::setPosition(x, y, width, height);
    widenItems();
}

void ListControl::setWidth(int16_t width)
{
    itemsAreaPlaced = false;
    ScrollArea::setWidth(width);
    widenItems();
}

void ListControl::setHeight(int16_t height)
{
    itemsAreaPlaced = false;
    ScrollArea::setHeight(height);
}

void ListControl::remove(quillon::Drawable& item)
{
    ScrollArea::remove(item);
}

// The area's place depends only on the list's own size, so the scroll area's re-layouts on
// every added item (which would widen every item again) are skipped until it changes.
void ListControl::layoutItemsArea(bool)
{
    if (itemsAreaPlaced) {
        return;
    }
    ScrollArea::layoutItemsArea(true);
    itemsAreaPlaced = true;
}
} // namespace guicontrols
