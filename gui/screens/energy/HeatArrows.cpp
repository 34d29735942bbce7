#include "gui/screens/energy/HeatArrows.hpp"

namespace
{
const uint8_t BUILD_TICKS_PER_FRAME = 20;
} // namespace

HeatArrows::HeatArrows(quillon::BitmapId first, quillon::BitmapId last)
    : quillon::AnimatedImage(first, last, BUILD_TICKS_PER_FRAME), firstPicture(first)
{
    setFrameInterval(TICKS_PER_FRAME);
}

void HeatArrows::follow(bool heating)
{
    if (heating) {
        // Started once: each start while running would register the widget once more.
        if (!isRunning()) {
            startAnimation(false, false, true);
        }
    } else {
        stopAnimation();
        setBitmap(quillon::Bitmap(firstPicture)); // stopping rewinds the count, not the picture
    }
    invalidate();
}
