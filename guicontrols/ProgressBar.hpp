#ifndef GUICONTROLS_PROGRESSBAR_HPP
#define GUICONTROLS_PROGRESSBAR_HPP

#include <quillon/Bitmap.hpp>
#include <quillon/Widget.hpp>

#include <stdint.h>

namespace guicontrols
{
// The start-up bar: a 2-px border and, 4 px inside it, the bar bitmap revealed from the
// left by a percentage. The ring between border and bar is left to what lies below.
class ProgressBar : public quillon::Widget
{
public:
    static const uint8_t MAX_PROGRESS = 100;

    ProgressBar();

    void draw(const quillon::Rectangle& area) const override;
    // The ring inside the border lets the background through: nothing is reported opaque.
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }

    // Above 100 counts as 100. Redraws only when the value changes.
    void setProgress(uint8_t percent);
    uint8_t getProgress() const { return progress; }
    // Pixels of the bar bitmap shown at the current progress.
    int16_t getRevealedWidth() const;

private:
    void fillPart(const quillon::Rectangle& part, const quillon::Rectangle& area) const;

    uint8_t progress;
    quillon::Bitmap bar;
};
} // namespace guicontrols

#endif
