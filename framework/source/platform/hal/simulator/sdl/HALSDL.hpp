#ifndef QUILLON_PLATFORM_HAL_SIMULATOR_SDL_HALSDL_HPP
#define QUILLON_PLATFORM_HAL_SIMULATOR_SDL_HALSDL_HPP

#include <quillon/hal/HAL.hpp>

#include "FrameClock.hpp"

#include <SDL.h>

#include <cstdint>

namespace quillon
{
// The HAL of the desktop: an SDL 1.2 window shows the frame buffer, the left mouse button
// plays the touch panel, typed characters become keys, a 21 ms frame clock is the frame
// signal and F3 saves the window as a BMP. Everything runs on the GUI task except the
// frame clock's callback, which only posts an SDL event from the clock's thread.
class HALSDL : public HAL
{
public:
    static const uint32_t FRAME_INTERVAL_MS = 21;
    static const uint32_t PATH_CAPACITY = 100;

    HALSDL(DMA_Interface& dma, LCD& lcd, TouchController* touchController, uint16_t width, uint16_t height);
    ~HALSDL() override;

    // Handles window events until ESC or closing the window; after that every call
    // returns after the next window event without handling it.
    void runTaskLoop() override;
    void presentFrame() override;
    void presentFrameArea(const Rectangle& area) override;
    bool blockCopy(void* destination, const void* source, uint32_t numBytes) override;
    void setTransparentKeyColor(uint16_t color) override;
    void configureInterrupts() override {}
    void enableDMAInterrupt() override {}
    void disableDMAInterrupt() override {}
    void enableFrameInterrupt() override {}
    bool sampleKey(uint8_t& key) override;
    uint16_t* getOutputBuffer() override { return shownBuffer; }
    void setTFTFrameBuffer(uint16_t* address) override;
    void updateDisplayOrientation() override;

    // Opens the window and places the frame buffers; prints SDL's reason and returns
    // false when SDL or the video mode cannot be had. The arguments are not used.
    virtual bool initSDL(int argc, char** argv);
    // Copies area of pixels (display-sized) into the window.
    virtual void blitToWindow(const Rectangle& area, const uint16_t* pixels);
    // Writes the window as a BMP under "screenshots" (and folder, when given).
    virtual bool saveScreenshot(const char* folder, const char* fileName);
    virtual void hostHook() {}

    // One window event as the task loop handles it.
    void handleEvent(const SDL_Event& event);
    // The mouse as touch panel: true while pressed, with the position on the display.
    bool sampleTouch(int32_t& x, int32_t& y);
    // F3: img00.bmp, img01.bmp, ... in "screenshots".
    void takeScreenshot();
    bool isAlive() const { return alive; }
    const Rectangle& dirtyArea() const { return dirtyRect; }

    static uint32_t frameTimerCallback(uint32_t interval, void* parameter);
    // Registered with atexit by initSDL; releases SDL once.
    static void shutdownSDL();

protected:
    // Frame buffers of fewer than 16 bits per pixel are shown as RGB565 grey.
    const uint16_t* convertToRGB565(const uint16_t* pixels, uint16_t width, uint16_t height, uint8_t depth);
    const uint16_t* rotateForDisplay(const uint16_t* pixels, uint16_t width, uint16_t height);

    Rectangle displayRect; // the display's place and size in the window
    Rectangle dirtyRect;   // presented since the last buffer was shown

private:
    bool openWindow();
    bool setVideoMode();
    bool createFrameWrapper();
    void stopFrameTimer();

    SDL_Surface* window;
    SDL_Surface* frameWrapper; // display-sized RGB565 view of whichever buffer is shown
    uint16_t* frameBufferBlock;
    uint16_t* shownBuffer;
    uint16_t* outputBuffer;
    uint16_t* rotateBuffer;
    int32_t mouseX;
    int32_t mouseY;
    bool pressed;
    bool pressUnsampled; // a press no sample has reported yet
    uint8_t pendingKey;
    bool alive;
    FrameClock frameClock; // the 21 ms frame signal
    int32_t screenshotNumber;
};
} // namespace quillon

#endif
