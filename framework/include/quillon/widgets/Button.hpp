#ifndef QUILLON_WIDGETS_BUTTON_HPP
#define QUILLON_WIDGETS_BUTTON_HPP

#include <quillon/Bitmap.hpp>
#include <quillon/widgets/AbstractButton.hpp>

namespace quillon
{
// A button drawn from a released and a pressed bitmap. Without bitmaps it draws nothing and
// is still a touch area of the size it was given.
class Button : public AbstractButton
{
public:
    Button() : up(BITMAP_NONE), down(BITMAP_NONE), alpha(255) {}

    void draw(const Rectangle& area) const override;
    // The solid rectangle of the bitmap shown at alpha 255; the label of a derived button never counts.
    Rectangle getOpaqueArea() const override;
    uint16_t getType() const override { return 5; }

    // Takes the size of the pressed bitmap; no redraw.
    virtual void setBitmaps(const Bitmap& released, const Bitmap& pressed);
    void setAlpha(uint8_t alpha) { this->alpha = alpha; }
    uint8_t getAlpha() const { return alpha; }
    const Bitmap& getCurrentlyDisplayedBitmap() const { return pressed ? down : up; }

protected:
    Bitmap up;
    Bitmap down;
    uint8_t alpha;
};
} // namespace quillon

#endif
