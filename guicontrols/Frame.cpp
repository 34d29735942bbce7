#include "guicontrols/Frame.hpp"

#include "guicontrols/BitmapDrawing.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/lcd/LCD.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const uint8_t BACKGROUND = 12;
const uint8_t CORNER_FILL_ALPHA = 204;
const int16_t BAND = 2;
const uint16_t MAX_HORIZONTAL_INSETS = 760;
const uint16_t MAX_VERTICAL_INSETS = 300;
// Tiles: gaps between columns and rows, and the offset of the second page.
const int32_t TILE_GAP = 16;
const int32_t TILE_ROW_GAP = 10;
const int32_t TILE_ROW_MARGIN = 5;
const int32_t SECOND_PAGE_OFFSET = 720;
const int32_t GRID_GAP_X = 20;
const int32_t GRID_GAP_Y = 12;

int16_t narrow(int32_t value)
{
    return static_cast<int16_t>(value);
}
} // namespace

Frame::Frame() : color(Palette::entry(11)), bitmap(quillon::BITMAP_NONE), insets{0, 0, 0, 0} {}

void Frame::setStyle(quillon::BitmapId bitmapId)
{
    bitmap = quillon::Bitmap(bitmapId);
    if (bitmapId >= 65 && bitmapId <= 67) {
        color = Palette::entry(static_cast<uint8_t>(25 + (bitmapId - 65))); // grey, orange, red
    }
    if (bitmap.getWidth() < insets.left + insets.right) {
        insets.left = insets.right = static_cast<uint16_t>(bitmap.getWidth() / 2);
    }
    if (bitmap.getHeight() < insets.top + insets.bottom) {
        insets.top = insets.bottom = static_cast<uint16_t>(bitmap.getHeight() / 2);
    }
}

void Frame::setInsets(uint16_t left, uint16_t top, uint16_t right, uint16_t bottom)
{
    if (left + right > MAX_HORIZONTAL_INSETS) {
        left = right = MAX_HORIZONTAL_INSETS / 2;
    }
    if (top + bottom > MAX_VERTICAL_INSETS) {
        top = bottom = MAX_VERTICAL_INSETS / 2;
    }
    insets = Insets{left, top, right, bottom};
    if (left + right > getWidth()) {
        setWidth(narrow(left + right));
    }
    if (top + bottom > getHeight()) {
        setHeight(narrow(top + bottom));
    }
}

void Frame::fillPart(const Rectangle& part, quillon::Color fillColor, uint8_t alpha) const
{
    if (part.isEmpty()) {
        return;
    }
    Rectangle screen = part;
    toScreenCoordinates(screen);
    quillon::HAL::lcd().fillRect(screen, fillColor, alpha);
}

// The dark fill shows through the bitmap's see-through pixels. Both stay inside the corner's
// own area and the redrawn part: what a whole redraw leaves outside the corner area is
// painted over by the edges and the centre anyway.
void Frame::drawCorner(const Rectangle& cornerArea, int16_t bitmapX, int16_t bitmapY, const Rectangle& area) const
{
    const Rectangle clip = cornerArea & area;
    if (clip.isEmpty()) {
        return;
    }
    const Rectangle bitmapRect(bitmapX, bitmapY, static_cast<int16_t>(bitmap.getWidth()),
                               static_cast<int16_t>(bitmap.getHeight()));
    fillPart(bitmapRect & clip, Palette::entry(BACKGROUND), CORNER_FILL_ALPHA);
    BitmapDrawing::draw(*this, bitmap, bitmapX, bitmapY, clip, 255);
}

// Each band sits where a whole redraw puts it, on the frame's outer border, and is cut to
// the redrawn part; so any split of a redraw gives the same pixels.
void Frame::draw(const Rectangle& area) const
{
    if (bitmap == quillon::Bitmap(quillon::BITMAP_NONE)) {
        return;
    }
    const int16_t w = getWidth();
    const int16_t h = getHeight();
    const int16_t l = narrow(insets.left);
    const int16_t t = narrow(insets.top);
    const int16_t r = narrow(insets.right);
    const int16_t b = narrow(insets.bottom);
    const int16_t bw = narrow(bitmap.getWidth());
    const int16_t bh = narrow(bitmap.getHeight());
    const quillon::Color background = Palette::entry(BACKGROUND);

    drawCorner(Rectangle(0, 0, l, t), 0, 0, area);
    drawCorner(Rectangle(narrow(w - r - 1), 0, narrow(r + 1), t), narrow(w - bw), 0, area);
    drawCorner(Rectangle(narrow(w - r - 1), narrow(h - b - 1), narrow(r + 1), narrow(b + 1)), narrow(w - bw),
               narrow(h - bh), area);
    drawCorner(Rectangle(0, narrow(h - b - 2), l, narrow(b + 2)), 0, narrow(h - bh), area);

    const Rectangle top(l, 0, narrow(w - l - r - 1), t);
    fillPart(top & area, background, 255);
    fillPart(Rectangle(top.x, top.y, top.width, BAND) & top & area, color, 255);

    const Rectangle bottom(l, narrow(h - b), narrow(w - l - r - 1), b);
    fillPart(bottom & area, background, 255);
    fillPart(Rectangle(bottom.x, narrow(bottom.y + bh / 2 - 2), bottom.width, BAND) & bottom & area, color, 255);

    const Rectangle left(0, t, l, narrow(h - t - b - 1));
    fillPart(left & area, background, 255);
    fillPart(Rectangle(left.x, left.y, BAND, left.height) & left & area, color, 255);

    const Rectangle right(narrow(w - r), t, r, narrow(h - t - b - 1));
    fillPart(right & area, background, 255);
    fillPart(Rectangle(narrow(right.x + bw / 2 - 2), right.y, BAND, right.height) & right & area, color, 255);

    fillPart(Rectangle(l, t, narrow(w - l - r), narrow(h - t - b)) & area, background, 255);
}

void Frame::center(const quillon::Drawable& parent, quillon::Drawable& child)
{
    child.setXY(narrow((parent.getWidth() - child.getWidth()) / 2), narrow((parent.getHeight() - child.getHeight()) / 2));
}

void Frame::centerHorizontally(const quillon::Drawable& parent, quillon::Drawable& child)
{
    child.setX(narrow((parent.getWidth() - child.getWidth()) / 2));
}

void Frame::fill(const quillon::Drawable& parent, quillon::Drawable& child)
{
    child.setPosition(0, 0, parent.getWidth(), parent.getHeight());
}

void Frame::placeTile(quillon::Container& container, quillon::Drawable& tile, uint16_t index, uint16_t count,
                      uint16_t yShift)
{
    const int32_t tw = tile.getWidth();
    const int32_t th = tile.getHeight();
    const int32_t cw = container.getWidth();
    const int32_t ch = container.getHeight();
    int32_t i = index;
    if (count <= 3) {
        const int32_t rowWidth = count * tw + (count - 1) * TILE_GAP;
        tile.setXY(narrow((cw - rowWidth) / 2 + i * (tw + TILE_GAP)), narrow((ch - th) / 2));
    } else {
        int32_t x0 = (cw - (3 * tw + 2 * TILE_GAP)) / 2;
        // Once only: a thirteenth tile lands in a third row of the second page.
        if (i > 5) {
            x0 += SECOND_PAGE_OFFSET;
            i -= 6;
        }
        const int32_t x = x0 + (i % 3) * (tw + TILE_GAP);
        const int32_t y = (ch - 2 * (th + TILE_ROW_MARGIN)) / 2 - yShift + 1 + (i / 3) * (th + TILE_ROW_GAP);
        tile.setXY(narrow(x), narrow(y));
    }
    container.add(tile);
}

void Frame::placeInGrid(quillon::Container& container, quillon::Drawable& item, uint16_t index, uint16_t count,
                        uint8_t n)
{
    const int32_t iw = item.getWidth();
    const int32_t ih = item.getHeight();
    const int32_t cw = container.getWidth();
    const int32_t ch = container.getHeight();
    if (count <= 2 || n == 0) {
        const int32_t rowWidth = count * iw + (count - 1) * GRID_GAP_X;
        item.setXY(narrow((cw - rowWidth) / 2 + index * (iw + GRID_GAP_X)), narrow((ch - ih) / 2));
    } else {
        const int32_t x0 = (cw - (n * iw + (n - 1) * GRID_GAP_X)) / 2;
        const int32_t y0 = (ch - (n * ih + (n - 1) * GRID_GAP_Y)) / 2;
        item.setXY(narrow(x0 + (index % n) * (iw + GRID_GAP_X)), narrow(y0 + (index / n) * (ih + GRID_GAP_Y)));
    }
    container.add(item);
}

void Frame::placeInRow(quillon::Container& container, quillon::Drawable& item, uint16_t index, uint16_t count)
{
    const int32_t iw = item.getWidth();
    const int32_t rowWidth = count * iw + (count - 1) * GRID_GAP_X;
    item.setX(narrow((container.getWidth() - rowWidth) / 2 + index * (iw + GRID_GAP_X)));
    item.setY(narrow((container.getHeight() - item.getHeight()) / 2));
    container.add(item);
}
} // namespace guicontrols
