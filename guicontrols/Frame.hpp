#ifndef GUICONTROLS_FRAME_HPP
#define GUICONTROLS_FRAME_HPP

#include <quillon/Bitmap.hpp>
#include <quillon/Widget.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/hal/HAL.hpp>

#include <stdint.h>

namespace guicontrols
{
// The panel behind popups and view modes: a dark rectangle with a thin border in the frame
// colour and corners cut from a small style bitmap by the insets (nine slices). A frame
// without a bitmap draws nothing, yet counts as opaque. Setters do not redraw.
//
// Also the placement functions that centre a widget, make it fill its parent, and lay tiles
// out in rows, grids and pages of 3 x 2. "/ 2" truncates toward zero.
class Frame : public quillon::Widget
{
public:
    struct Insets
    {
        uint16_t left;
        uint16_t top;
        uint16_t right;
        uint16_t bottom;
    };

    Frame();

    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(0, 0, getWidth(), getHeight()); }

    // 65, 66 and 67 also pick the grey, orange and red frame colour; insets wider or taller
    // than the bitmap become half of it.
    void setStyle(quillon::BitmapId bitmapId);
    void setColor(quillon::Color frameColor) { color = frameColor; }
    // Capped at 380 a side across and 150 down; the frame grows to hold them.
    void setInsets(uint16_t left, uint16_t top, uint16_t right, uint16_t bottom);

    quillon::Color getColor() const { return color; }
    const Insets& getInsets() const { return insets; }
    const quillon::Bitmap& getBitmap() const { return bitmap; }

    static void center(const quillon::Drawable& parent, quillon::Drawable& child);
    static void centerHorizontally(const quillon::Drawable& parent, quillon::Drawable& child);
    static void fill(const quillon::Drawable& parent, quillon::Drawable& child);

    // Places the tile as index of count (a centred row up to 3, pages of 3 x 2 above) and
    // adds it to the container.
    static void placeTile(quillon::Container& container, quillon::Drawable& tile, uint16_t index, uint16_t count,
                          uint16_t yShift);
    // Up to 2 in a row, more in a centred block of n x n; adds the item.
    static void placeInGrid(quillon::Container& container, quillon::Drawable& item, uint16_t index, uint16_t count,
                            uint8_t n);
    static void placeInRow(quillon::Container& container, quillon::Drawable& item, uint16_t index, uint16_t count);

    // More than 6 tiles widen the container to one display width per page.
    template <class Tile>
    static void placeTiles(quillon::Container& container, Tile* tiles, uint16_t count, uint16_t yShift)
    {
        for (uint16_t i = 0; i < count; ++i) {
            placeTile(container, tiles[i], i, count, yShift);
        }
        if (count > TILES_PER_PAGE) {
            container.setWidth(static_cast<int16_t>(quillon::HAL::SCREEN_WIDTH * (count / TILES_PER_PAGE + 1)));
        }
    }

    template <class Item>
    static void placeTilesInRow(quillon::Container& container, Item* items, uint16_t count)
    {
        const uint16_t placed = count < MAX_IN_ROW ? count : MAX_IN_ROW;
        for (uint16_t i = 0; i < placed; ++i) {
            placeInRow(container, items[i], i, placed);
        }
    }

    template <class Item>
    static void placeTilesInGrid(quillon::Container& container, Item* items, uint16_t count, uint8_t n)
    {
        const uint16_t placed = count < MAX_IN_GRID ? count : MAX_IN_GRID;
        for (uint16_t i = 0; i < placed; ++i) {
            placeInGrid(container, items[i], i, placed, n);
        }
    }

private:
    static const uint16_t TILES_PER_PAGE = 6;
    static const uint16_t MAX_IN_ROW = 3;
    static const uint16_t MAX_IN_GRID = 16;

    void drawCorner(const quillon::Rectangle& cornerArea, int16_t bitmapX, int16_t bitmapY,
                    const quillon::Rectangle& area) const;
    void fillPart(const quillon::Rectangle& part, quillon::Color fillColor, uint8_t alpha) const;

    quillon::Color color;
    quillon::Bitmap bitmap;
    Insets insets;
};
} // namespace guicontrols

#endif
