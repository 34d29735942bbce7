#include "guicontrols/ProgressBar.hpp"

#include "guicontrols/BitmapDrawing.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/hal/HAL.hpp>
#include <quillon/lcd/LCD.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const quillon::BitmapId BAR = 215;
const int16_t BAR_INSET = 4;
const int16_t BORDER = 2;
const uint8_t BORDER_COLOR = 2;
} // namespace

ProgressBar::ProgressBar() : progress(0), bar(BAR)
{
    setPosition(0, 0, static_cast<int16_t>(bar.getWidth() + 2 * BAR_INSET),
                static_cast<int16_t>(bar.getHeight() + 2 * BAR_INSET));
}

void ProgressBar::setProgress(uint8_t percent)
{
    if (percent > MAX_PROGRESS) {
        percent = MAX_PROGRESS;
    }
    if (percent == progress) {
        return;
    }
    progress = percent;
    invalidate();
}

int16_t ProgressBar::getRevealedWidth() const
{
    return static_cast<int16_t>(bar.getWidth() * progress / MAX_PROGRESS);
}

void ProgressBar::fillPart(const Rectangle& part, const Rectangle& area) const
{
    Rectangle visible = part & area;
    if (visible.isEmpty()) {
        return;
    }
    toScreenCoordinates(visible);
    quillon::HAL::lcd().fillRect(visible, Palette::entry(BORDER_COLOR), 255);
}

// The border is drawn edge by edge and only inside the redrawn area: a partial redraw
// must not paint over what lies on top of the bar outside that area.
void ProgressBar::draw(const Rectangle& area) const
{
    const Rectangle whole(0, 0, getWidth(), getHeight());
    const Rectangle clip = area & whole;
    if (clip.isEmpty()) {
        return;
    }
    const int16_t w = getWidth();
    const int16_t h = getHeight();
    fillPart(Rectangle(0, 0, w, BORDER), clip);
    fillPart(Rectangle(0, static_cast<int16_t>(h - BORDER), w, BORDER), clip);
    fillPart(Rectangle(0, BORDER, BORDER, static_cast<int16_t>(h - 2 * BORDER)), clip);
    fillPart(Rectangle(static_cast<int16_t>(w - BORDER), BORDER, BORDER, static_cast<int16_t>(h - 2 * BORDER)), clip);
    const int16_t revealed = getRevealedWidth();
    if (revealed > 0) {
        const Rectangle shown = clip & Rectangle(BAR_INSET, BAR_INSET, revealed, bar.getHeight());
        BitmapDrawing::draw(*this, bar, BAR_INSET, BAR_INSET, shown, 255);
    }
}
} // namespace guicontrols
