#ifndef QUILLON_WIDGETS_IMAGE_HPP
#define QUILLON_WIDGETS_IMAGE_HPP

#include <quillon/Bitmap.hpp>
#include <quillon/Widget.hpp>

namespace quillon
{
// One bitmap drawn at the widget's top-left corner, sized to it. No setter redraws.
class Image : public Widget
{
public:
    explicit Image(const Bitmap& bitmap = Bitmap());

    void draw(const Rectangle& area) const override;
    // The bitmap's solid rectangle at alpha 255, else nothing.
    Rectangle getOpaqueArea() const override;
    uint16_t getType() const override { return 8; }

    // Sizes the widget to the bitmap through the virtual setters.
    virtual void setBitmap(const Bitmap& bitmap);
    const Bitmap& getBitmap() const { return bitmap; }
    void setAlpha(uint8_t alpha) { this->alpha = alpha; }
    uint8_t getAlpha() const { return alpha; }

protected:
    Bitmap bitmap;
    uint8_t alpha;
};
} // namespace quillon

#endif
