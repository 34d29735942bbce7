#ifndef QUILLON_WIDGETS_ANIMATEDIMAGE_HPP
#define QUILLON_WIDGETS_ANIMATEDIMAGE_HPP

#include <quillon/Callback.hpp>
#include <quillon/widgets/Image.hpp>

namespace quillon
{
// Steps through the bitmaps with consecutive ids from startId to endId, one frame every
// updateTicksInterval application ticks, forward or in reverse, once or looping. While running
// it is registered as a timer widget of the application.
class AnimatedImage : public Image
{
public:
    AnimatedImage(BitmapId startId = BITMAP_NONE, BitmapId endId = BITMAP_NONE, uint8_t updateTicksInterval = 1);

    void onTick() override;
    uint16_t getType() const override { return 3; }

    // Nothing unless both ends are bitmaps. Each start adds one timer registration.
    virtual void startAnimation(bool reverse, bool reset = false, bool loop = false);
    // Takes one registration away; the bitmap shown stays until the next frame is shown.
    virtual void stopAnimation();
    virtual void togglePause();

    // Restarts the tick count.
    void setFrameInterval(uint8_t ticks);
    void setDoneAction(GenericCallback<const AnimatedImage&>& callback) { animationDoneAction = &callback; }
    bool isRunning() const { return running; }

protected:
    bool isLastFrame(BitmapId id) const { return reverse ? id == startId : id == endId; }

    GenericCallback<const AnimatedImage&>* animationDoneAction;
    BitmapId currentId;
    BitmapId startId;
    BitmapId endId;
    uint8_t updateTicksInterval;
    uint8_t ticksSinceUpdate;
    bool reverse;
    bool loopAnimation;
    bool running;
};
} // namespace quillon

#endif
