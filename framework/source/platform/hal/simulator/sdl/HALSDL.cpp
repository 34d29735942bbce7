#include <platform/hal/simulator/sdl/HALSDL.hpp>

#include <quillon/Assert.hpp>
#include <quillon/lcd/LCD.hpp>

#include "WindowIcon.hpp"

#include <SDL_image.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace quillon
{
namespace
{
const char* const WINDOW_CAPTION = "Quillon simulator";
const char* const SCREENSHOT_FOLDER = "screenshots";

// What the exit handler needs; SDL itself is one per process. The frame clock's thread
// reads it too: no frame event is posted into an SDL that has been shut down.
std::atomic<bool> initialised{false};
bool exitHandlerRegistered = false;
} // namespace

HALSDL::HALSDL(DMA_Interface& dma, LCD& lcd, TouchController* touchController, uint16_t width, uint16_t height)
    : HAL(dma, lcd, touchController, width, height),
      displayRect(0, 0, static_cast<int16_t>(width), static_cast<int16_t>(height)),
      dirtyRect(),
      window(nullptr),
      frameWrapper(nullptr),
      frameBufferBlock(nullptr),
      shownBuffer(nullptr),
      outputBuffer(nullptr),
      rotateBuffer(nullptr),
      mouseX(0),
      mouseY(0),
      pressed(false),
      pressUnsampled(false),
      pendingKey(0),
      alive(true),
      screenshotNumber(0)
{
}

HALSDL::~HALSDL()
{
    stopFrameTimer();
    if (frameWrapper != nullptr) {
        SDL_FreeSurface(frameWrapper);
    }
    delete[] frameBufferBlock;
    delete[] outputBuffer;
    delete[] rotateBuffer;
}

bool HALSDL::initSDL(int, char**)
{
    if (!openWindow()) {
        return false;
    }

    // Standard output and error already are the console here.
    renderer.init();
    if (!exitHandlerRegistered) {
        std::atexit(shutdownSDL);
        exitHandlerRegistered = true;
    }
    initialised = true;
    return true;
}

bool HALSDL::openWindow()
{
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE) < 0) {
        std::printf("Unable to init SDL: %s\n", SDL_GetError());
        std::fflush(stdout);
        return false;
    }
    // SDL turns SIGTERM into a quit event, which only stops event handling; ending the
    // process from outside has to end it.
    std::signal(SIGTERM, SIG_DFL);
    SDL_EnableUNICODE(1);

    const uint8_t depth = renderer.bitDepth();
    const uint32_t pixels = static_cast<uint32_t>(FB_WIDTH) * FB_HEIGHT;
    if (depth < 16) {
        const uint32_t bytes = FB_HEIGHT * ((depth * FB_WIDTH + 7u) / 8u);
        frameBufferBlock = new uint16_t[(bytes + 1) / 2]();
        setFrameBufferStartAddress(frameBufferBlock, depth, false, false);
        outputBuffer = new uint16_t[pixels]();
    } else {
        // Two frame buffers and the animation storage, one after the other.
        frameBufferBlock = new uint16_t[pixels * 3]();
        setFrameBufferStartAddress(frameBufferBlock, 16, true, true);
    }
    shownBuffer = frameBufferBlock;
    rotateBuffer = new uint16_t[pixels]();

    SDL_WM_SetCaption(WINDOW_CAPTION, WINDOW_CAPTION);
    SDL_Surface* icon = IMG_ReadXPMFromArray(const_cast<char**>(windowIconXpm()));
    if (icon != nullptr) {
        SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    }

    if (!setVideoMode()) {
        std::printf("Unable to set video mode: %s\n", SDL_GetError());
        std::fflush(stdout);
        return false;
    }
    return createFrameWrapper();
}

void HALSDL::shutdownSDL()
{
    if (!initialised) {
        return;
    }
    initialised = false;
    SDL_VideoQuit(); // releases the window surface
    SDL_Quit();
}

bool HALSDL::setVideoMode()
{
    window = SDL_SetVideoMode(displayRect.width, displayRect.height, 16, SDL_HWSURFACE | SDL_DOUBLEBUF);
    return window != nullptr;
}

bool HALSDL::createFrameWrapper()
{
    if (frameWrapper != nullptr) {
        SDL_FreeSurface(frameWrapper);
    }
    // Pixels are set before every copy; the wrapper never owns them.
    frameWrapper = SDL_CreateRGBSurfaceFrom(shownBuffer, displayRect.width, displayRect.height, 16,
                                            displayRect.width * 2, 0xF800, 0x07E0, 0x001F, 0);
    return frameWrapper != nullptr;
}

uint32_t HALSDL::frameTimerCallback(uint32_t interval, void*)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof(event));
    event.type = SDL_USEREVENT;
    event.user.code = 0;
    event.user.data1 = nullptr;
    event.user.data2 = nullptr;
    if (initialised) {
        SDL_PushEvent(&event);
    }
    return interval;
}

void HALSDL::stopFrameTimer()
{
    frameClock.stop();
}

void HALSDL::runTaskLoop()
{
    // One timer for the life of the window, however often the loop is entered.
    if (alive && !frameClock.isRunning()) {
        frameClock.start(FRAME_INTERVAL_MS, frameTimerCallback, nullptr);
    }
    SDL_Event event;
    for (;;) {
        if (SDL_WaitEvent(&event) == 0) {
            // The caller enters again at once: do not let a broken event queue spin a core.
            SDL_Delay(FRAME_INTERVAL_MS);
            return;
        }
        if (!alive) {
            // The picture stays frozen: no more frames, and re-entries sleep until the
            // window itself has something to say.
            stopFrameTimer();
            return;
        }
        handleEvent(event);
    }
}

void HALSDL::handleEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_USEREVENT:
        frameSignal();
        afterFrame();
        break;
    case SDL_KEYDOWN:
        // A key without a character stores 0, which means none.
        if (event.key.keysym.unicode <= 255) {
            pendingKey = static_cast<uint8_t>(event.key.keysym.unicode);
        }
        break;
    case SDL_KEYUP:
        if (event.key.keysym.sym == SDLK_F3) {
            takeScreenshot();
        } else if (event.key.keysym.sym == SDLK_ESCAPE) {
            alive = false;
        }
        break;
    case SDL_MOUSEMOTION:
        if ((event.motion.state & SDL_BUTTON(SDL_BUTTON_LEFT)) != 0) {
            mouseX = event.motion.x;
            mouseY = event.motion.y;
            pressed = true;
        }
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT) {
            mouseX = event.button.x;
            mouseY = event.button.y;
            pressed = true;
            pressUnsampled = true;
        }
        break;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT) {
            pressed = false; // the position stays: the release happens where the touch was
        }
        break;
    case SDL_QUIT:
        alive = false;
        break;
    default:
        break;
    }
}

bool HALSDL::sampleTouch(int32_t& x, int32_t& y)
{
    x = mouseX - displayRect.x;
    y = mouseY - displayRect.y;
    if (ORIENTATION_SWAPPED == 1) {
        const int32_t windowX = x;
        x = y;
        y = SCREEN_WIDTH - windowX;
    }
    // A click shorter than a frame still reaches one sample as a press.
    const bool touched = pressed || pressUnsampled;
    pressUnsampled = false;
    return touched;
}

bool HALSDL::sampleKey(uint8_t& key)
{
    if (pendingKey == 0) {
        return false;
    }
    key = pendingKey;
    pendingKey = 0;
    return true;
}

void HALSDL::presentFrame()
{
    presentFrameArea(Rectangle(0, 0, static_cast<int16_t>(SCREEN_WIDTH), static_cast<int16_t>(SCREEN_HEIGHT)));
}

void HALSDL::presentFrameArea(const Rectangle& area)
{
    dirtyRect.expandToFit(area);
    HAL::presentFrameArea(area);
}

bool HALSDL::blockCopy(void* destination, const void* source, uint32_t numBytes)
{
    std::memmove(destination, source, numBytes);
    return true;
}

void HALSDL::setTransparentKeyColor(uint16_t)
{
}

void HALSDL::setTFTFrameBuffer(uint16_t* address)
{
    shownBuffer = address;
    const uint16_t* pixels = convertToRGB565(address, SCREEN_WIDTH, SCREEN_HEIGHT, renderer.bitDepth());
    pixels = rotateForDisplay(pixels, SCREEN_WIDTH, SCREEN_HEIGHT);
    blitToWindow(dirtyRect, pixels);
    dirtyRect = Rectangle();
}

const uint16_t* HALSDL::convertToRGB565(const uint16_t* pixels, uint16_t width, uint16_t height, uint8_t depth)
{
    if (depth == 16) {
        return pixels;
    }
    uint32_t scale = 0;
    switch (depth) {
    case 1:
        scale = 255;
        break;
    case 2:
        scale = 85;
        break;
    case 4:
        scale = 17;
        break;
    case 8:
        scale = 1;
        break;
    default:
        QUILLON_ASSERT(0 && "unsupported screen depth");
    }
    QUILLON_ASSERT(outputBuffer != nullptr && "Output buffer for TFT not allocated");

    // The frame buffer keeps the native layout: rows run along the native width.
    const uint32_t rows = ORIENTATION_SWAPPED == 1 ? width : height;
    const uint32_t columns = ORIENTATION_SWAPPED == 1 ? height : width;
    const uint32_t rowBytes = (columns * depth + 7) / 8;
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(pixels);
    const uint32_t mask = (1u << depth) - 1;
    for (uint32_t row = 0; row < rows; row++) {
        for (uint32_t column = 0; column < columns; column++) {
            const uint32_t bit = column * depth;
            const uint32_t shift = 8 - depth - (bit % 8); // most significant bits first
            const uint32_t value = (bytes[row * rowBytes + bit / 8] >> shift) & mask;
            const uint8_t grey = static_cast<uint8_t>(value * scale);
            outputBuffer[row * columns + column] = colorFromRGB(grey, grey, grey);
        }
    }
    return outputBuffer;
}

const uint16_t* HALSDL::rotateForDisplay(const uint16_t* pixels, uint16_t width, uint16_t height)
{
    if (ORIENTATION_SWAPPED == 0) {
        return pixels;
    }
    for (uint32_t j = 0; j < height; j++) {
        for (uint32_t i = 0; i < width; i++) {
            rotateBuffer[(width - 1 - i) + width * j] = pixels[j + height * i];
        }
    }
    return rotateBuffer;
}

void HALSDL::blitToWindow(const Rectangle& area, const uint16_t* pixels)
{
    if (window == nullptr || frameWrapper == nullptr || area.isEmpty()) {
        return;
    }
    // Only the area is converted to the window's format and copied.
    frameWrapper->pixels = const_cast<uint16_t*>(pixels);
    SDL_Rect source = {area.x, area.y, static_cast<Uint16>(area.width), static_cast<Uint16>(area.height)};
    SDL_Rect target = {static_cast<Sint16>(area.x + displayRect.x), static_cast<Sint16>(area.y + displayRect.y), 0, 0};
    SDL_UpperBlit(frameWrapper, &source, window, &target);
    if ((window->flags & SDL_DOUBLEBUF) != 0) {
        SDL_Flip(window);
    } else {
        SDL_UpdateRect(window, target.x, target.y, target.w, target.h);
    }
}

void HALSDL::updateDisplayOrientation()
{
    HAL::updateDisplayOrientation();
    displayRect.width = static_cast<int16_t>(SCREEN_WIDTH);
    displayRect.height = static_cast<int16_t>(SCREEN_HEIGHT);
    if (window != nullptr) {
        setVideoMode();
        createFrameWrapper();
    }
}

void HALSDL::takeScreenshot()
{
    char name[PATH_CAPACITY];
    std::snprintf(name, sizeof(name), "img%02d.bmp", static_cast<int>(screenshotNumber));
    screenshotNumber++;
    saveScreenshot(nullptr, name);
}

bool HALSDL::saveScreenshot(const char* folder, const char* fileName)
{
    mkdir(SCREENSHOT_FOLDER, 0777); // an existing folder is fine
    char path[PATH_CAPACITY];
    if (folder != nullptr) {
        std::snprintf(path, sizeof(path), "%s//%s", SCREENSHOT_FOLDER, folder);
        mkdir(path, 0777);
        std::snprintf(path, sizeof(path), "%s//%s//%s", SCREENSHOT_FOLDER, folder, fileName);
    } else {
        std::snprintf(path, sizeof(path), "%s//%s", SCREENSHOT_FOLDER, fileName);
    }
    if (window == nullptr) {
        return false;
    }
    // A file that cannot be opened drops the screenshot.
    SDL_RWops* file = SDL_RWFromFile(path, "wb");
    if (file == nullptr) {
        return false;
    }
    return SDL_SaveBMP_RW(window, file, 1) == 0;
}
} // namespace quillon
