#ifndef GUICONTROLS_WATERTANKGADGET_HPP
#define GUICONTROLS_WATERTANKGADGET_HPP

#include "guicontrols/WaterTankDataProvider.hpp"

#include <quillon/Bitmap.hpp>
#include <quillon/widgets/Button.hpp>

#include <stdint.h>

namespace guicontrols
{
// A hot-water tank whose inside is painted in layers coloured by their temperature, under
// the tank body, with a piece of pipe on each side. A button, so a screen can react to a
// touch; always its own size.
class WaterTankGadget : public quillon::Button
{
public:
    static const int16_t GADGET_WIDTH = 286;
    static const int16_t GADGET_HEIGHT = 257;
    static const int16_t BODY_X = 76;      // right of the left piece
    static const int16_t INTERIOR_X = 81;
    static const int16_t INTERIOR_Y = 16;
    static const int16_t INTERIOR_WIDTH = 124;
    static const int16_t INTERIOR_HEIGHT = 221;

    explicit WaterTankGadget(WaterTankDataProvider* provider);

    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }
    void setPosition(int16_t x, int16_t y, int16_t width, int16_t height) override;
    void setWidth(int16_t) override {}
    void setHeight(int16_t) override {}
    // The bitmaps are drawn first; the gadget keeps its size.
    void setBitmaps(const quillon::Bitmap& released, const quillon::Bitmap& pressed) override;

    // The layer shown in an interior row (0 at the top).
    uint32_t levelOfRow(int16_t row) const;
    // Where the tank's left edge lies in the gadget (0 unless texts stand left of it).
    int16_t getTankX() const { return tankX; }

protected:
    // A labelled tank widens the gadget for its texts, on both sides of the tank.
    void setOwnWidth(int16_t width) { rect.width = width; }
    void setTankX(int16_t x);
    // The pipe pieces left and right of the body, inside area (gadget coordinates).
    void drawSidePieces(const quillon::Rectangle& area) const;

private:
    // Rows and columns of the interior inside area (gadget coordinates) and the display.
    void drawLevels(const quillon::Rectangle& area) const;

    WaterTankDataProvider* provider;
    int16_t tankX;
    quillon::Rectangle interior;
    quillon::Bitmap maskBitmap;
    quillon::Bitmap bodyBitmap;
    quillon::Bitmap leftBitmap;
    quillon::Bitmap rightBitmap;
};
} // namespace guicontrols

#endif
