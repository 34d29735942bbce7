#include "guicontrols/ScrollArea.hpp"

#include <quillon/Bitmap.hpp>

namespace guicontrols
{
using quillon::Bitmap;

namespace
{
const quillon::BitmapId BUTTON_RELEASED = 16;
const quillon::BitmapId BUTTON_PRESSED = 18;
const quillon::BitmapId UP_ICON = 186;
const quillon::BitmapId DOWN_ICON = 95;
// With the controls shown the items area keeps clear of them and of the bar's ends.
const int16_t BAR_GAP = 20;
const int16_t ITEMS_SHIFT = 5;
const int16_t ITEMS_SHORTENING = 10;
const uint32_t PER_MILLE = 1000;
const uint8_t MAX_INDICATOR_LENGTH = 255;

int16_t buttonSize()
{
    return Bitmap(BUTTON_RELEASED).getWidth();
}

// Tenths to whole units, rounding halves up.
uint32_t roundTenths(uint32_t tenths)
{
    return tenths / 10 + (tenths % 10 >= 5 ? 1 : 0);
}
} // namespace

ScrollArea::ScrollArea()
    : clickCallback(this, &ScrollArea::onButtonClicked), repeatCallback(this, &ScrollArea::onButtonRepeated),
      measureCallback(this, &ScrollArea::measureItem), scrollOffset(0), maxScrollOffset(0), barStep(0),
      scrollStep(DEFAULT_SCROLL_STEP), itemSpacing(0), contentHeight(0), insetLeft(0), insetRight(0), insetTop(0),
      insetBottom(0)
{
    IconButton* buttons[] = {&upButton, &downButton};
    const quillon::BitmapId icons[] = {UP_ICON, DOWN_ICON};
    for (int i = 0; i < 2; ++i) {
        buttons[i]->setBitmaps(Bitmap(BUTTON_RELEASED), Bitmap(BUTTON_PRESSED));
        buttons[i]->setIcon(Bitmap(icons[i]));
        buttons[i]->setAction(clickCallback);
        buttons[i]->setRepeatAction(&repeatCallback);
    }
    showScrollControls(false);
    add(scrollBar);
    add(upButton);
    add(downButton);
    add(itemsArea);
}

void ScrollArea::setPosition(int16_t x, int16_t y, int16_t width, int16_t height)
{
    Container::setPosition(x, y, width, height);
    updateLayout();
}

void ScrollArea::setWidth(int16_t width)
{
    Container::setWidth(width);
    updateLayout();
}

void ScrollArea::setHeight(int16_t height)
{
    Container::setHeight(height);
    updateLayout();
}

void ScrollArea::setPadding(uint16_t left, uint16_t right, uint16_t top, uint16_t bottom)
{
    insetLeft = left;
    insetRight = right;
    insetTop = top;
    insetBottom = bottom;
}

void ScrollArea::setScrollStep(uint16_t step)
{
    scrollStep = step;
    if (maxScrollOffset > 0) {
        updateScrollBar();
    }
}

void ScrollArea::updateLayout()
{
    const int16_t size = buttonSize();
    const int16_t column = static_cast<int16_t>(getWidth() - size - 2 * insetRight);
    upButton.setXY(column, static_cast<int16_t>(insetTop));
    downButton.setXY(column, static_cast<int16_t>(getHeight() - size - insetBottom));
    scrollBar.setPosition(column, static_cast<int16_t>(insetTop + upButton.getHeight()), size,
                          static_cast<int16_t>(getHeight() - 2 * size - insetTop - insetBottom));
    contentHeight = 0;
    layoutItemsArea(true);
    invalidate();
    updateScrolling();
}

void ScrollArea::layoutItemsArea(bool withBar)
{
    int32_t y = insetTop;
    int32_t width = getWidth() - insetRight - insetLeft;
    int32_t height = getHeight() - insetTop - insetBottom;
    if (withBar) {
        y += ITEMS_SHIFT;
        width -= buttonSize() + BAR_GAP;
        height -= ITEMS_SHORTENING;
    }
    itemsArea.setPosition(static_cast<int16_t>(insetLeft), static_cast<int16_t>(y), static_cast<int16_t>(width),
                          static_cast<int16_t>(height));
}

void ScrollArea::addItem(quillon::Drawable& item)
{
    item.setY(static_cast<int16_t>(contentHeight - scrollOffset));
    contentHeight = static_cast<uint16_t>(contentHeight + item.getHeight() + itemSpacing);
    itemsArea.add(item);
    updateScrolling();
}

void ScrollArea::remove(quillon::Drawable& item)
{
    if (!itemsArea.contains(item)) {
        return; // not ours: the content height stays as it is
    }
    const int32_t freed = item.getHeight() + itemSpacing;
    contentHeight = static_cast<uint16_t>(contentHeight > freed ? contentHeight - freed : 0);
    itemsArea.remove(item);
    invalidate();
    updateScrolling();
}

void ScrollArea::removeAll()
{
    reset(false);
}

void ScrollArea::reset(bool toTop)
{
    if (toTop) {
        scrollBar.setIndicatorPosition(0);
        scrollOffset = 0;
        maxScrollOffset = 0;
        barStep = 0;
        scrollStep = DEFAULT_SCROLL_STEP;
    }
    contentHeight = 0;
    itemsArea.removeAll();
}

void ScrollArea::measureItem(quillon::Drawable& item)
{
    const int32_t candidate = item.getY() + item.getHeight() - itemsArea.getHeight() + scrollOffset;
    if (candidate > maxScrollOffset) {
        maxScrollOffset = static_cast<int16_t>(candidate < INT16_MAX ? candidate : INT16_MAX);
    }
}

void ScrollArea::measureContent()
{
    maxScrollOffset = 0;
    itemsArea.forEachChild(measureCallback);
}

// Whether the content overflows is decided on the items area without the controls; the
// maximum is then measured on the area as it is laid out with them, 10 px shorter. Taken
// before that change, it would stop the scrolling 10 px short of the last item and size
// the indicator for the wrong share.
void ScrollArea::updateScrolling()
{
    layoutItemsArea(false);
    measureContent();
    if (maxScrollOffset <= 0) {
        showScrollControls(false);
        return;
    }
    layoutItemsArea(true);
    measureContent();
    updateScrollBar();
    showScrollControls(true);
}

void ScrollArea::updateScrollBar()
{
    const int32_t visible = itemsArea.getHeight();
    if (visible <= 0 || maxScrollOffset <= 0) {
        return;
    }
    const uint32_t h = static_cast<uint32_t>(visible);
    const uint32_t maximum = static_cast<uint32_t>(maxScrollOffset);
    const uint32_t barHeight = static_cast<uint32_t>(scrollBar.getHeight() > 0 ? scrollBar.getHeight() : 0);
    const uint32_t ratio = h * PER_MILLE / (h + maximum);
    const uint32_t length = roundTenths(barHeight * ratio / 100);
    scrollBar.setIndicatorLength(static_cast<uint8_t>(length < MAX_INDICATOR_LENGTH ? length : MAX_INDICATOR_LENGTH));
    const uint32_t range = scrollBar.getRange();
    barStep = static_cast<uint16_t>(roundTenths(range * PER_MILLE / maximum * scrollStep / 100));
}

void ScrollArea::showScrollControls(bool shown)
{
    scrollBar.setVisible(shown);
    upButton.setVisible(shown);
    downButton.setVisible(shown);
    layoutItemsArea(shown);
}

void ScrollArea::moveItems(int32_t dy)
{
    if (dy != 0) {
        itemsArea.scrollBy(static_cast<int16_t>(dy));
    }
}

// The bar position decides whether a full step fits; the offset never goes below 0, and
// reaching 0 puts the indicator at the top.
void ScrollArea::scrollUp()
{
    const uint8_t position = scrollBar.getIndicatorPosition();
    if (scrollOffset == 0) {
        return;
    }
    if (position >= barStep && scrollOffset > scrollStep) {
        moveItems(scrollStep);
        scrollOffset = static_cast<uint16_t>(scrollOffset - scrollStep);
        scrollBar.setIndicatorPosition(static_cast<uint8_t>(position - barStep));
        return;
    }
    moveItems(scrollOffset);
    scrollOffset = 0;
    scrollBar.setIndicatorPosition(0);
}

// Never past the maximum: the last step moves only the rest and puts the indicator at the
// bottom of the bar.
void ScrollArea::scrollDown()
{
    const int32_t rest = maxScrollOffset - scrollOffset;
    if (rest <= 0) {
        return;
    }
    const int32_t range = scrollBar.getRange();
    const int32_t position = scrollBar.getIndicatorPosition();
    if (position + barStep > range || rest <= scrollStep) {
        moveItems(-rest);
        scrollOffset = static_cast<uint16_t>(maxScrollOffset);
        scrollBar.setIndicatorPosition(static_cast<uint8_t>(range));
        return;
    }
    moveItems(-static_cast<int32_t>(scrollStep));
    scrollOffset = static_cast<uint16_t>(scrollOffset + scrollStep);
    scrollBar.setIndicatorPosition(static_cast<uint8_t>(position + barStep));
}

void ScrollArea::onButtonClicked(const quillon::AbstractButton& button)
{
    if (&button == &upButton) {
        scrollUp();
    } else if (&button == &downButton) {
        scrollDown();
    }
    updateScrolling();
}

void ScrollArea::onButtonRepeated(const RepeatableButton& button)
{
    onButtonClicked(button);
}
} // namespace guicontrols
