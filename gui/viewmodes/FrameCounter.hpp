#ifndef GUI_VIEWMODES_FRAMECOUNTER_HPP
#define GUI_VIEWMODES_FRAMECOUNTER_HPP

#include <stdint.h>

// Frames a timed mode has been shown: restarted when the mode is set up.
class FrameCounter
{
public:
    void restart() { frames = 0; }
    // Counts one frame; true on every period-th one.
    bool next(uint32_t period)
    {
        ++frames;
        return period != 0 && frames % period == 0;
    }
    bool reached(uint32_t limit) const { return frames >= limit; }

private:
    uint32_t frames = 0;
};

#endif
