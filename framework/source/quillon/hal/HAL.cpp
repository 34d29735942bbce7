#include <quillon/Application.hpp>
#include <quillon/Assert.hpp>
#include <quillon/UIEventListener.hpp>
#include <quillon/hal/DMA.hpp>
#include <quillon/hal/DisplayTransform.hpp>
#include <quillon/hal/HAL.hpp>
#include <quillon/hal/OsHooks.hpp>
#include <quillon/hal/TouchCalibration.hpp>
#include <quillon/hal/TouchController.hpp>

#include <cstring>

namespace quillon
{
HAL* HAL::instance = nullptr;
uint16_t HAL::SCREEN_WIDTH = 800;
uint16_t HAL::SCREEN_HEIGHT = 480;
uint16_t HAL::FB_WIDTH = 800;
uint16_t HAL::FB_HEIGHT = 480;
bool HAL::USE_DUAL_BUFFERS = false;
bool HAL::USE_ANIMATION_STORAGE = false;
uint32_t HAL::ORIENTATION_SWAPPED = 0;

HAL::HAL(DMA_Interface& dma_, LCD& lcd_, TouchController* touchController_, uint16_t width, uint16_t height)
    : dma(dma_),
      renderer(lcd_),
      touchController(touchController_),
      loadMeter(nullptr),
      nativeOrientation(width < height ? ORIENTATION_PORTRAIT : ORIENTATION_LANDSCAPE),
      frameBuffer0(nullptr),
      frameBuffer1(nullptr),
      animationStorage(nullptr),
      holdDMAWhileDrawing(true),
      listener(nullptr),
      lastTouchX(0),
      lastTouchY(0),
      touchSampleRate(1),
      mcuLoad(0),
      frameBufferUpdated(false),
      swapPending(false),
      touching(false),
      loadMeasurementOn(false),
      lastCycleCount(0),
      requestedOrientation(nativeOrientation),
      orientationChangeRequested(false),
      frameLoopCount(0)
{
    instance = this;
    SCREEN_WIDTH = width;
    SCREEN_HEIGHT = height;
    ORIENTATION_SWAPPED = 0;
    FB_WIDTH = width;
    FB_HEIGHT = height;
}

HAL::~HAL()
{
    if (instance == this) {
        instance = nullptr;
    }
}

void HAL::initialize()
{
    OsHooks::initialize();
    dma.initialize();
    if (touchController != nullptr) {
        touchController->init();
    }
    configureInterrupts();
}

void HAL::setDisplayOrientation(uint32_t orientation)
{
    requestedOrientation = orientation;
    orientationChangeRequested = true;
}

void HAL::runTaskLoop()
{
    enableFrameInterrupt();
    enableDMAInterrupt();
    for (;;) {
        OsHooks::waitForFrameSignal();
        frameSignal();
    }
}

void HAL::presentFrame()
{
    frameBufferUpdated = true;
}

void HAL::presentFrameArea(const Rectangle&)
{
    frameBufferUpdated = true;
}

void HAL::allowDMATransfers()
{
    dma.setAllowed(true);
    dma.start();
}

void HAL::flushDMA()
{
    dma.flush();
}

uint16_t* HAL::acquireFrameBuffer()
{
    OsHooks::acquireFrameBuffer();
    return getClientFrameBuffer();
}

void HAL::releaseFrameBuffer()
{
    OsHooks::releaseFrameBuffer();
}

void HAL::emptyHook(void*, uint16_t)
{
}

const uint16_t* HAL::mapStringPointer(const uint16_t* string)
{
    return string;
}

// The library copy moves whole cache lines; a loop of 4-byte moves cost a frame several copies.
// Overlapping blocks are copied as if through a buffer.
bool HAL::blockCopy(void* destination, const void* source, uint32_t numBytes)
{
    std::memmove(destination, source, numBytes);
    return true;
}

uint32_t HAL::getBlitCaps()
{
    return dma.getBlitCaps();
}

void HAL::setTransparentKeyColor(uint16_t)
{
}

uint16_t* HAL::frameBufferAddress(uint16_t* buffer, uint16_t x, uint16_t y) const
{
    return buffer + (static_cast<uint32_t>(y) * FB_WIDTH + x);
}

void HAL::queueBlit(const BlitOp& op)
{
    dma.addToQueue(op);
}

void HAL::queueFrameBufferBlit(BlitOp op, uint16_t x, uint16_t y)
{
    op.destination = frameBufferAddress(getClientFrameBuffer(), x, y);
    op.destinationStride = FB_WIDTH;
    QUILLON_ASSERT((getBlitCaps() & op.operation) != 0 && "blit operation not supported");
    queueBlit(op);
}

void HAL::copyRect(const uint16_t* source, uint16_t x, uint16_t y, uint16_t width, uint16_t height,
                   uint16_t sourceWidth, uint8_t alpha, bool hasTransparentPixels)
{
    QUILLON_ASSERT(width > 0 && height > 0 && "Cannot blit empty rect");
    BlitOp op;
    op.operation = alpha < 255 ? BlitCopy16Alpha : (hasTransparentPixels ? BlitCopy16Keyed : BlitCopy16);
    op.source = source;
    op.width = width;
    op.height = height;
    op.sourceStride = sourceWidth;
    op.alpha = alpha;
    queueFrameBufferBlit(op, x, y);
}

void HAL::blitCopyARGB8888(const uint32_t* source, uint16_t x, uint16_t y, uint16_t width, uint16_t height,
                           uint16_t sourceWidth, uint8_t alpha)
{
    QUILLON_ASSERT(width > 0 && height > 0 && "Cannot blit empty rect");
    BlitOp op;
    op.operation = alpha < 255 ? BlitCopy32Alpha : BlitCopy32;
    op.source = source;
    op.width = width;
    op.height = height;
    op.sourceStride = sourceWidth;
    op.alpha = alpha;
    queueFrameBufferBlit(op, x, y);
}

void HAL::blitCopyWithOperation(const void* source, uint16_t x, uint16_t y, uint16_t width, uint16_t height,
                                uint16_t sourceWidth, uint16_t color, uint8_t alpha, uint32_t operation)
{
    QUILLON_ASSERT(width > 0 && height > 0 && "Cannot blit empty rect");
    BlitOp op;
    op.operation = operation;
    op.source = source;
    op.width = width;
    op.height = height;
    op.sourceStride = sourceWidth;
    op.color = color;
    op.alpha = alpha;
    queueFrameBufferBlit(op, x, y);
}

void HAL::blitFill(uint16_t color, uint16_t x, uint16_t y, uint16_t width, uint16_t height, uint8_t alpha)
{
    BlitOp op;
    op.operation = alpha < 255 ? BlitFillAlpha : BlitFill;
    op.width = width;
    op.height = height;
    op.color = color;
    op.alpha = alpha;
    queueFrameBufferBlit(op, x, y);
}

void HAL::setListener(UIEventListener* newListener)
{
    listener = newListener;
    gestures.setListener(newListener);
}

void HAL::copyToAnimationStorage(const Rectangle& area)
{
    QUILLON_ASSERT(USE_ANIMATION_STORAGE &&
                   "Animation storage required for this operation. See HAL::setFrameBufferStartAddress");
    const uint16_t x = static_cast<uint16_t>(area.x);
    const uint16_t y = static_cast<uint16_t>(area.y);
    BlitOp op;
    op.operation = BlitCopy16;
    op.source = frameBufferAddress(getOutputBuffer(), x, y);
    op.destination = animationStorage;
    op.width = static_cast<uint16_t>(area.width);
    op.height = static_cast<uint16_t>(area.height);
    op.sourceStride = FB_WIDTH;
    op.destinationStride = static_cast<uint16_t>(area.width);
    op.alpha = 255;
    queueBlit(op);
}

void HAL::frameSignal()
{
    swapFrameBuffers();
    tick();
}

bool HAL::sampleKey(uint8_t&)
{
    return false;
}

void HAL::tick()
{
    if (beginFrame()) {
        if (orientationChangeRequested) {
            updateDisplayOrientation();
            orientationChangeRequested = false;
        }
        dma.setAllowed(USE_DUAL_BUFFERS && !holdDMAWhileDrawing);

        Application* application = Application::getInstance();
        if (application != nullptr) {
            application->setDrawCaching(true);
        }
        if (listener != nullptr) {
            listener->onTick();
        }

        frameLoopCount++;
        if (frameLoopCount >= touchSampleRate) {
            frameLoopCount = 0;
            int32_t x = 0;
            int32_t y = 0;
            if (touchController != nullptr && touchController->sampleTouch(x, y)) {
                onTouchDown(x, y);
            } else {
                touchNotDetected();
            }
        }

        uint8_t key = 0;
        if (sampleKey(key) && listener != nullptr) {
            listener->onKey(key);
        }

        gestures.tick();

        if (loadMeasurementOn) {
            measureLoad();
        }

        if (application != nullptr) {
            application->setDrawCaching(false);
        }
    }
    endFrame();
}

void HAL::measureLoad()
{
    const uint32_t now = readCycleCounter();
    if (lastCycleCount == 0) {
        lastCycleCount = now;
    }
    const uint32_t elapsed = now - lastCycleCount;
    if (elapsed > 100000000u && loadMeter != nullptr) {
        const uint32_t idlePercentage = loadMeter->idleCycles() / (elapsed / 100);
        if (static_cast<int32_t>(idlePercentage) <= 0) {
            mcuLoad = 100;
        } else if (idlePercentage > 99) {
            mcuLoad = 0;
        } else {
            mcuLoad = static_cast<uint8_t>(100 - idlePercentage);
        }
        loadMeter->setIdleCycles(0);
        lastCycleCount = now;
    }
}

bool HAL::beginFrame()
{
    return !(USE_DUAL_BUFFERS && swapPending);
}

void HAL::endFrame()
{
    flushDMA();
    if (frameBufferUpdated) {
        swapPending = true;
    }
}

void HAL::onTouchDown(int32_t x, int32_t y)
{
    TouchCalibration::Point point = {x, y};
    TouchCalibration::global().apply(point);
    int16_t logicalX = static_cast<int16_t>(point.x);
    int16_t logicalY = static_cast<int16_t>(point.y);
    DisplayTransform::touchToLogical(logicalX, logicalY);

    if (touching) {
        // Small movements accumulate until one passes the drag threshold.
        if (gestures.handleDrag(static_cast<uint16_t>(lastTouchX), static_cast<uint16_t>(lastTouchY),
                                static_cast<uint16_t>(logicalX), static_cast<uint16_t>(logicalY))) {
            lastTouchX = logicalX;
            lastTouchY = logicalY;
        }
    } else {
        gestures.handleClick(ClickEvent::PRESSED, static_cast<uint16_t>(logicalX), static_cast<uint16_t>(logicalY));
        touching = true;
        lastTouchX = logicalX;
        lastTouchY = logicalY;
    }
}

void HAL::touchNotDetected()
{
    if (touching) {
        gestures.handleClick(ClickEvent::RELEASED, static_cast<uint16_t>(lastTouchX),
                             static_cast<uint16_t>(lastTouchY));
        touching = false;
    }
}

void HAL::updateDisplayOrientation()
{
    if (requestedOrientation != nativeOrientation && ORIENTATION_SWAPPED == 0) {
        FB_WIDTH = SCREEN_WIDTH;
        FB_HEIGHT = SCREEN_HEIGHT;
        const uint16_t width = SCREEN_WIDTH;
        SCREEN_WIDTH = SCREEN_HEIGHT;
        SCREEN_HEIGHT = width;
        ORIENTATION_SWAPPED = 1;
    } else if (requestedOrientation == nativeOrientation && ORIENTATION_SWAPPED == 1) {
        const uint16_t width = SCREEN_WIDTH;
        SCREEN_WIDTH = SCREEN_HEIGHT;
        SCREEN_HEIGHT = width;
        FB_WIDTH = SCREEN_WIDTH;
        FB_HEIGHT = SCREEN_HEIGHT;
        ORIENTATION_SWAPPED = 0;
    }
}

uint16_t* HAL::getClientFrameBuffer()
{
    if (USE_DUAL_BUFFERS && getOutputBuffer() == frameBuffer0) {
        return frameBuffer1;
    }
    return frameBuffer0;
}

void HAL::swapFrameBuffers()
{
    if (swapPending) {
        swapPending = false;
        frameBufferUpdated = false;
        setTFTFrameBuffer(getClientFrameBuffer());
    }
}

void HAL::afterFrame()
{
    allowDMATransfers();
}

void HAL::setBusy(bool busy)
{
    if (loadMeter != nullptr) {
        loadMeter->setBusy(busy);
    }
}

uint32_t HAL::readCycleCounter()
{
    return loadMeter != nullptr ? loadMeter->cycles() : 0;
}
} // namespace quillon
