#include <quillon/hal/DisplayTransform.hpp>
#include <quillon/hal/HAL.hpp>

namespace quillon
{
namespace
{
Rectangle wholeScreen()
{
    return Rectangle(0, 0, static_cast<int16_t>(HAL::SCREEN_WIDTH), static_cast<int16_t>(HAL::SCREEN_HEIGHT));
}
} // namespace

void DisplayTransform::touchToLogical(int16_t& x, int16_t& y)
{
    if (HAL::ORIENTATION_SWAPPED == 1) {
        const int16_t oldX = x;
        x = static_cast<int16_t>(HAL::FB_HEIGHT - y - 1);
        y = oldX;
    }
}

void DisplayTransform::pointToFrameBuffer(int16_t& x, int16_t& y, const Rectangle& frame)
{
    if (HAL::ORIENTATION_SWAPPED == 1) {
        const int16_t oldX = x;
        x = y;
        y = static_cast<int16_t>(frame.width - oldX - 1);
    }
}

void DisplayTransform::pointToFrameBuffer(int16_t& x, int16_t& y)
{
    pointToFrameBuffer(x, y, wholeScreen());
}

void DisplayTransform::rectToFrameBuffer(Rectangle& r, const Rectangle& frame)
{
    if (HAL::ORIENTATION_SWAPPED == 1) {
        r.x = static_cast<int16_t>(r.x + r.width - 1);
        pointToFrameBuffer(r.x, r.y, frame);
        const int16_t width = r.width;
        r.width = r.height;
        r.height = width;
    }
}

void DisplayTransform::rectToFrameBuffer(Rectangle& r)
{
    rectToFrameBuffer(r, wholeScreen());
}
} // namespace quillon
