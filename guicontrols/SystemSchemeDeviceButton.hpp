#ifndef GUICONTROLS_SYSTEMSCHEMEDEVICEBUTTON_HPP
#define GUICONTROLS_SYSTEMSCHEMEDEVICEBUTTON_HPP

#include "guicontrols/IconButton.hpp"

#include <stdint.h>

namespace guicontrols
{
// One tile of the system scheme: a frame by mode, a device icon by type, an optional circuit
// number and, below the frame, the pipe connection in one of five line styles.
class SystemSchemeDeviceButton : public IconButton
{
public:
    enum Mode : uint32_t
    {
        PRESSABLE = 0,
        DISPLAY_ONLY = 1,
        LOOSE = 2,
        LOOSE_SELECTED = 3
    };

    static const uint32_t NO_DEVICE = 11;
    static const uint32_t NO_LINE = 5;
    // The pipe reaches this far left and right of the tile and below it.
    static const int16_t PIPE_OVERHANG = 11;
    static const int16_t PIPE_BELOW = 22;

    SystemSchemeDeviceButton();
    explicit SystemSchemeDeviceButton(uint32_t type);
    ~SystemSchemeDeviceButton() override {}

    // Frame, icon, number, and the part of the pipes on the tile.
    void draw(const quillon::Rectangle& area) const override;

    void setDevice(uint32_t type, uint8_t number, uint32_t mode, uint32_t lineStyle);
    void setDeviceType(uint32_t type, uint32_t lineStyle) { setDevice(type, number, mode, lineStyle); }
    // Frames of the mode for the current type; the size becomes the frame's.
    void setMode(uint32_t mode);

    uint32_t getDeviceType() const { return deviceType; }
    uint32_t getLineStyle() const { return lineStyle; }
    uint32_t getMode() const { return mode; }
    uint8_t getNumber() const { return number; }

    // The pipes inside clip (display coordinates), never outside the display.
    void drawPipes(const quillon::Rectangle& clip) const;
    // Where the pipes may lie, in the parent's coordinates.
    quillon::Rectangle getPipeArea() const;

private:
    void setFrames();
    // Pipe width: the tile's, shortened so that no line reaches past x 800, never below 0.
    int16_t pipeWidth(int16_t screenX) const;

    uint32_t deviceType;
    uint32_t lineStyle;
    uint32_t mode;
    uint8_t number;
};
} // namespace guicontrols

#endif
