#ifndef QUILLON_HAL_HAL_HPP
#define QUILLON_HAL_HAL_HPP

#include <quillon/Assert.hpp>
#include <quillon/hal/BlitOp.hpp>
#include <quillon/hal/Gestures.hpp>
#include <quillon/hal/Types.hpp>

#include <cstdint>

namespace quillon
{
class DMA_Interface;
class LCD;
class TouchController;
class UIEventListener;

// Optional cycle counter behind the MCU-load figure.
class LoadMeter
{
public:
    virtual ~LoadMeter() {}
    virtual uint32_t cycles() = 0;
    virtual void setBusy(bool busy) = 0;
    virtual uint32_t idleCycles() = 0;
    virtual void setIdleCycles(uint32_t cycles) = 0;
};

// The framework's hardware abstraction: display and frame-buffer sizes, the blit
// entry points, touch and key sampling and the frame loop. A host derives from it.
class HAL
{
public:
    HAL(DMA_Interface& dma, LCD& lcd, TouchController* touchController, uint16_t width, uint16_t height);
    virtual ~HAL();

    static HAL* getInstance() { return instance; }
    static LCD& lcd() { return instance->renderer; }

    void initialize();

    // Places the frame buffers (and the animation storage) one after the other from address.
    void setFrameBufferStartAddress(void* address, uint16_t depth = 16, bool useDoubleBuffering = true,
                                    bool useAnimationStorage = true)
    {
        uint32_t bufferSize = 0;
        switch (depth) {
        case 1:
        case 2:
        case 4:
        case 8:
            bufferSize = SCREEN_HEIGHT * ((depth * SCREEN_WIDTH + 7) / 8);
            break;
        case 16:
            bufferSize = SCREEN_WIDTH * SCREEN_HEIGHT * 2;
            break;
        default:
            QUILLON_ASSERT(0 && "Unsupported bit depth");
        }
        uint8_t* const start = static_cast<uint8_t*>(address);
        frameBuffer0 = reinterpret_cast<uint16_t*>(start);
        frameBuffer1 = useDoubleBuffering ? reinterpret_cast<uint16_t*>(start + bufferSize) : nullptr;
        const uint32_t buffersSize = useDoubleBuffering ? 2 * bufferSize : bufferSize;
        animationStorage = useAnimationStorage ? reinterpret_cast<uint16_t*>(start + buffersSize) : nullptr;
        USE_DUAL_BUFFERS = useDoubleBuffering;
        USE_ANIMATION_STORAGE = useAnimationStorage;
    }

    virtual void setDisplayOrientation(uint32_t orientation);
    virtual void runTaskLoop();
    virtual void presentFrame();
    virtual void presentFrameArea(const Rectangle& area);
    virtual void allowDMATransfers();
    virtual void flushDMA();
    virtual uint16_t* acquireFrameBuffer();
    virtual void releaseFrameBuffer();
    virtual void emptyHook(void* pointer, uint16_t value);
    // The text engine passes every stored string through here before reading it.
    virtual const uint16_t* mapStringPointer(const uint16_t* string);
    virtual bool blockCopy(void* destination, const void* source, uint32_t numBytes);
    virtual uint32_t getBlitCaps();
    virtual void setTransparentKeyColor(uint16_t color);
    virtual void copyRect(const uint16_t* source, uint16_t x, uint16_t y, uint16_t width, uint16_t height,
                          uint16_t sourceWidth, uint8_t alpha, bool hasTransparentPixels);
    virtual void blitCopyARGB8888(const uint32_t* source, uint16_t x, uint16_t y, uint16_t width, uint16_t height,
                                  uint16_t sourceWidth, uint8_t alpha);
    virtual void blitCopyWithOperation(const void* source, uint16_t x, uint16_t y, uint16_t width, uint16_t height,
                                       uint16_t sourceWidth, uint16_t color, uint8_t alpha, uint32_t operation);
    virtual void blitFill(uint16_t color, uint16_t x, uint16_t y, uint16_t width, uint16_t height, uint8_t alpha);
    virtual void setListener(UIEventListener* listener);
    virtual void copyToAnimationStorage(const Rectangle& area);
    // One frame: show what the last frame drew, then run this frame's tick.
    virtual void frameSignal();
    virtual void configureInterrupts() = 0;
    virtual void enableDMAInterrupt() = 0;
    virtual void disableDMAInterrupt() = 0;
    virtual void enableFrameInterrupt() = 0;
    [[nodiscard]] virtual bool sampleKey(uint8_t& key);
    virtual void tick();
    [[nodiscard]] virtual bool beginFrame();
    virtual void endFrame();
    virtual uint16_t* getOutputBuffer() = 0;
    virtual void setTFTFrameBuffer(uint16_t* address) = 0;
    virtual void onTouchDown(int32_t x, int32_t y);
    virtual void touchNotDetected();
    virtual void updateDisplayOrientation();

    uint16_t* getClientFrameBuffer();
    uint16_t* getAnimationStorage() const { return animationStorage; }
    void swapFrameBuffers();
    // The host loop calls this after every frameSignal.
    void afterFrame();

    void setTouchSampleRate(uint8_t rate) { touchSampleRate = rate; }
    uint8_t getTouchSampleRate() const { return touchSampleRate; }
    void setLoadMeter(LoadMeter* meter) { loadMeter = meter; }
    void enableMCULoadCalculation(bool on) { loadMeasurementOn = on; }
    uint8_t getMCULoad() const { return mcuLoad; }
    void setBusy(bool busy);
    uint32_t readCycleCounter();

    static uint16_t SCREEN_WIDTH;
    static uint16_t SCREEN_HEIGHT;
    static uint16_t FB_WIDTH;
    static uint16_t FB_HEIGHT;
    static bool USE_DUAL_BUFFERS;
    static bool USE_ANIMATION_STORAGE;
    static uint32_t ORIENTATION_SWAPPED;

    static const uint32_t ORIENTATION_LANDSCAPE = 0;
    static const uint32_t ORIENTATION_PORTRAIT = 1;

protected:
    DMA_Interface& dma;
    LCD& renderer;
    TouchController* touchController;
    LoadMeter* loadMeter;
    GestureRecognizer gestures;
    uint32_t nativeOrientation;
    uint16_t* frameBuffer0;
    uint16_t* frameBuffer1;
    uint16_t* animationStorage;
    bool holdDMAWhileDrawing;
    UIEventListener* listener;
    int32_t lastTouchX;
    int32_t lastTouchY;
    uint8_t touchSampleRate;
    uint8_t mcuLoad;
    bool frameBufferUpdated;
    bool swapPending;
    bool touching;
    bool loadMeasurementOn;
    uint32_t lastCycleCount;
    uint32_t requestedOrientation;
    bool orientationChangeRequested;
    uint8_t frameLoopCount; // ticks since the touch controller was last sampled

private:
    void queueBlit(const BlitOp& op);
    // Aims op at (x, y) of the buffer drawing goes to, checks the blitter can do it, queues it.
    void queueFrameBufferBlit(BlitOp op, uint16_t x, uint16_t y);
    uint16_t* frameBufferAddress(uint16_t* buffer, uint16_t x, uint16_t y) const;
    void measureLoad();

    static HAL* instance;
};

// RGB565 from 8-bit channels.
inline uint16_t colorFromRGB(uint8_t red, uint8_t green, uint8_t blue)
{
    return static_cast<uint16_t>(((red << 8) & 0xF800) | ((green << 3) & 0x07E0) | ((blue >> 3) & 0x001F));
}
} // namespace quillon

#endif
