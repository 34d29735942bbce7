#include "guicontrols/RotatingIcon.hpp"

#include <quillon/Application.hpp>

namespace guicontrols
{
namespace
{
const quillon::BitmapId FIRST_FRAME = 200;
} // namespace

RotatingIcon::RotatingIcon() : RotatingIcon(0) {}

RotatingIcon::RotatingIcon(uint32_t flagValue) : frameIndex(0), tickCounter(0), flag(flagValue), ticking(false)
{
    setFrames(FIRST_FRAME, FIRST_FRAME + 1, FIRST_FRAME + 2, FIRST_FRAME + 3);
    setBitmap(frames[0]);
}

RotatingIcon::~RotatingIcon()
{
    quillon::Application* application = quillon::Application::getInstance();
    if (ticking && application != nullptr) {
        application->removeTimerWidget(this);
    }
}

void RotatingIcon::setFrames(quillon::BitmapId frame0, quillon::BitmapId frame1, quillon::BitmapId frame2,
                             quillon::BitmapId frame3)
{
    frames[0] = quillon::Bitmap(frame0);
    frames[1] = quillon::Bitmap(frame1);
    frames[2] = quillon::Bitmap(frame2);
    frames[3] = quillon::Bitmap(frame3);
}

void RotatingIcon::setRotating(bool rotating)
{
    setVisible(rotating);
    quillon::Application* application = quillon::Application::getInstance();
    if (application == nullptr) {
        return;
    }
    // A page switch may have dropped every timer widget behind our back; removing first
    // keeps exactly one registration either way.
    if (ticking) {
        application->removeTimerWidget(this);
    }
    if (rotating) {
        application->addTimerWidget(this);
    }
    ticking = rotating;
}

void RotatingIcon::onTick()
{
    tickCounter = static_cast<uint16_t>(tickCounter % TICKS_PER_FRAME);
    if (tickCounter == TICKS_PER_FRAME - 1) {
        frameIndex = static_cast<uint16_t>(frameIndex % FRAMES);
        setBitmap(frames[frameIndex]);
        invalidate();
        ++frameIndex;
    }
    ++tickCounter;
}
} // namespace guicontrols
