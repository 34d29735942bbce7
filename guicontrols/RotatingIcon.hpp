#ifndef GUICONTROLS_ROTATINGICON_HPP
#define GUICONTROLS_ROTATINGICON_HPP

#include <quillon/Bitmap.hpp>
#include <quillon/widgets/Image.hpp>

#include <stdint.h>

namespace guicontrols
{
// The busy indicator: while it rotates it is visible and a timer widget, and shows the next
// of its four frames every 10 ticks. Stopping keeps the tick counter and the frame, so a
// restart goes on where it stopped.
class RotatingIcon : public quillon::Image
{
public:
    static const uint8_t FRAMES = 4;
    static const uint16_t TICKS_PER_FRAME = 10;

    RotatingIcon();
    explicit RotatingIcon(uint32_t flag);
    // An icon destroyed while rotating must not stay a timer widget.
    ~RotatingIcon() override;

    void onTick() override;

    void setFrames(quillon::BitmapId frame0, quillon::BitmapId frame1, quillon::BitmapId frame2,
                   quillon::BitmapId frame3);
    // Shows and starts, or hides and stops. No redraw. One registration however often it
    // is started.
    virtual void setRotating(bool rotating);
    bool isRotating() const { return ticking; }
    uint32_t getFlag() const { return flag; }

private:
    quillon::Bitmap frames[FRAMES];
    uint16_t frameIndex;
    uint16_t tickCounter;
    uint32_t flag; // kept for the owner; the icon does not read it
    bool ticking;
};
} // namespace guicontrols

#endif
