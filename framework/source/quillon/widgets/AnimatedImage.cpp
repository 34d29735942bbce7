#include <quillon/TimerWidgets.hpp>
#include <quillon/widgets/AnimatedImage.hpp>

namespace quillon
{
AnimatedImage::AnimatedImage(BitmapId startId, BitmapId endId, uint8_t updateTicksInterval)
    : Image(Bitmap(startId)),
      animationDoneAction(nullptr),
      currentId(startId),
      startId(startId),
      endId(endId),
      updateTicksInterval(updateTicksInterval),
      ticksSinceUpdate(0),
      reverse(false),
      loopAnimation(false),
      running(false)
{
}

void AnimatedImage::startAnimation(bool reverseDirection, bool reset, bool loop)
{
    if (startId == BITMAP_NONE || endId == BITMAP_NONE) {
        return;
    }
    reverse = reverseDirection;
    loopAnimation = loop;
    if (reset) {
        currentId = reverse ? endId : startId;
    }
    registerTimerWidget(this);
    running = true;
}

void AnimatedImage::stopAnimation()
{
    unregisterTimerWidget(this);
    running = false;
    currentId = reverse ? endId : startId;
}

void AnimatedImage::togglePause()
{
    if (running) {
        unregisterTimerWidget(this);
        running = false;
    } else {
        registerTimerWidget(this);
        running = true;
    }
}

void AnimatedImage::setFrameInterval(uint8_t ticks)
{
    updateTicksInterval = ticks;
    ticksSinceUpdate = 0;
}

// The 8-bit count means an interval of 0 shows a frame only when the count wraps.
void AnimatedImage::onTick()
{
    if (!running) {
        return;
    }
    ticksSinceUpdate++;
    if (ticksSinceUpdate != updateTicksInterval) {
        return;
    }
    ticksSinceUpdate = 0;
    setBitmap(Bitmap(currentId));
    invalidate();

    if (!isLastFrame(currentId)) {
        currentId = reverse ? static_cast<BitmapId>(currentId - 1) : static_cast<BitmapId>(currentId + 1);
        return;
    }
    if (animationDoneAction != nullptr && animationDoneAction->isValid()) {
        animationDoneAction->execute(*this);
    }
    if (loopAnimation) {
        currentId = reverse ? endId : startId;
    } else {
        unregisterTimerWidget(this);
        running = false;
    }
}
} // namespace quillon
