#include <quillon/hal/HAL.hpp>
#include <quillon/lcd/LCD.hpp>
#include <quillon/widgets/Box.hpp>

namespace quillon
{
void Box::draw(const Rectangle& area) const
{
    Rectangle fill = area;
    toScreenCoordinates(fill);
    HAL::lcd().fillRect(fill, color, alpha); // draws nothing at alpha 0
}

// A fill in the key colour leaves the pixels beneath as they were, so they must still be drawn.
Rectangle Box::getOpaqueArea() const
{
    if (alpha != 255 || color == TRANSPARENT_KEY_COLOR) {
        return Rectangle();
    }
    return Rectangle(0, 0, rect.width, rect.height);
}
} // namespace quillon
