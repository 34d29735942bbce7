#ifndef QUILLON_WIDGETS_BOX_HPP
#define QUILLON_WIDGETS_BOX_HPP

#include <quillon/Widget.hpp>

namespace quillon
{
// A rectangle filled with one colour at an alpha. No setter redraws.
class Box : public Widget
{
public:
    Box() : color(0), alpha(255) {}
    Box(int16_t width, int16_t height, Color color, uint8_t alpha = 255) : color(color), alpha(alpha)
    {
        setWidth(width);
        setHeight(height);
    }

    void draw(const Rectangle& area) const override;
    // The whole box at alpha 255; nothing when blended or in the key colour, which draws nothing.
    Rectangle getOpaqueArea() const override;
    uint16_t getType() const override { return 4; }

    void setColor(Color color) { this->color = color; }
    Color getColor() const { return color; }
    void setAlpha(uint8_t alpha) { this->alpha = alpha; }
    uint8_t getAlpha() const { return alpha; }

protected:
    Color color;
    uint8_t alpha;
};
} // namespace quillon

#endif
