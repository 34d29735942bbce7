#include <platform/driver/lcd/LCD16bpp.hpp>
#include <platform/hal/simulator/sdl/HALSDL.hpp>
#include <platform/hal/simulator/sdl/SDLTouchController.hpp>
#include <quillon/UIEventListener.hpp>
#include <quillon/hal/NoDMA.hpp>

#include "support/NullLCD.hpp"

#include <gtest/gtest.h>

#include <SDL.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace quillon;
namespace fs = std::filesystem;

namespace
{
struct Recorder : UIEventListener
{
    struct Click
    {
        ClickEvent::ClickEventType type;
        int16_t x;
        int16_t y;
    };
    std::vector<Click> clicks;
    std::vector<uint8_t> keys;
    int ticks = 0;

    void onClick(const ClickEvent& event) override { clicks.push_back({event.getType(), event.getX(), event.getY()}); }
    void onKey(uint8_t key) override { keys.push_back(key); }
    void onTick() override { ticks++; }
};

SDL_Event mouseButton(uint8_t type, uint8_t button, uint16_t x, uint16_t y)
{
    SDL_Event event = {};
    event.type = type;
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event mouseMotion(uint8_t buttons, uint16_t x, uint16_t y)
{
    SDL_Event event = {};
    event.type = SDL_MOUSEMOTION;
    event.motion.state = buttons;
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

SDL_Event key(uint8_t type, SDLKey symbol, uint16_t character = 0)
{
    SDL_Event event = {};
    event.type = type;
    event.key.keysym.sym = symbol;
    event.key.keysym.unicode = character;
    return event;
}

SDL_Event frameEvent()
{
    SDL_Event event = {};
    event.type = SDL_USEREVENT;
    return event;
}

double threadCpuMilliseconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// A window on SDL's dummy driver in a scratch working directory.
class SdlHost : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        previousDirectory = fs::current_path();
        scratch = fs::temp_directory_path() / ("sdl-host-" + std::to_string(getpid()));
        fs::create_directories(scratch);
        fs::current_path(scratch);
    }

    void TearDown() override
    {
        hal.reset();
        HALSDL::shutdownSDL();
        fs::current_path(previousDirectory);
        fs::remove_all(scratch);
    }

    void open(LCD& renderer)
    {
        hal.reset(new HALSDL(dma, renderer, &touch, 800, 480));
        ASSERT_TRUE(hal->initSDL(0, nullptr));
        hal->initialize();
        hal->setListener(&recorder);
        // The dummy driver leaves its window memory as it found it.
        SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
    }

    void open() { open(lcd); }

    void frame() { hal->handleEvent(frameEvent()); }

    uint16_t windowPixel(int x, int y)
    {
        SDL_Surface* window = SDL_GetVideoSurface();
        return static_cast<const uint16_t*>(window->pixels)[y * window->pitch / 2 + x];
    }

    NoDMA dma;
    LCD16bpp lcd;
    SDLTouchController touch;
    std::unique_ptr<HALSDL> hal;
    Recorder recorder;
    fs::path previousDirectory;
    fs::path scratch;
};

TEST_F(SdlHost, OpensAnEightHundredByFourHundredEightyWindowWithItsCaption)
{
    open();
    SDL_Surface* window = SDL_GetVideoSurface();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->w, 800);
    EXPECT_EQ(window->h, 480);
    EXPECT_EQ(window->format->BitsPerPixel, 16);
    char* title = nullptr;
    char* iconTitle = nullptr;
    SDL_WM_GetCaption(&title, &iconTitle);
    EXPECT_STREQ(title, "Quillon simulator");
    EXPECT_STREQ(iconTitle, "Quillon simulator");
    // Two frame buffers and the animation storage; drawing goes to the one not shown.
    EXPECT_TRUE(HAL::USE_DUAL_BUFFERS);
    EXPECT_TRUE(HAL::USE_ANIMATION_STORAGE);
    EXPECT_EQ(hal->getClientFrameBuffer(), hal->getOutputBuffer() + 800 * 480);
    EXPECT_EQ(hal->getAnimationStorage(), hal->getOutputBuffer() + 2 * 800 * 480);
}

TEST_F(SdlHost, WithoutVideoDeviceSaysWhyAndFails)
{
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    hal.reset(new HALSDL(dma, lcd, &touch, 800, 480));
    testing::internal::CaptureStdout();
    const bool opened = hal->initSDL(0, nullptr);
    const std::string console = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(opened);
    EXPECT_EQ(console.rfind("Unable to init SDL: ", 0), 0u) << console;
    EXPECT_EQ(console.back(), '\n');
}

TEST_F(SdlHost, AClickPressesOnOneSampleAndReleasesOnTheNext)
{
    open();
    // Down and up before the frame comes: the press still reaches one sample.
    hal->handleEvent(mouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 100, 200));
    hal->handleEvent(mouseButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 100, 200));
    frame();
    frame();
    frame();
    ASSERT_EQ(recorder.clicks.size(), 2u);
    EXPECT_EQ(recorder.clicks[0].type, ClickEvent::PRESSED);
    EXPECT_EQ(recorder.clicks[0].x, 100);
    EXPECT_EQ(recorder.clicks[0].y, 200);
    EXPECT_EQ(recorder.clicks[1].type, ClickEvent::RELEASED);
    EXPECT_EQ(recorder.clicks[1].x, 100);
    EXPECT_EQ(recorder.clicks[1].y, 200);
    EXPECT_EQ(recorder.ticks, 3);
}

TEST_F(SdlHost, AHeldButtonFollowsTheMouseAndReleasesWhereItWas)
{
    open();
    hal->handleEvent(mouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 100, 200));
    hal->handleEvent(mouseMotion(SDL_BUTTON(SDL_BUTTON_LEFT), 140, 210));
    int32_t x = 0;
    int32_t y = 0;
    EXPECT_TRUE(touch.sampleTouch(x, y));
    EXPECT_EQ(x, 140);
    EXPECT_EQ(y, 210);
    hal->handleEvent(mouseButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 300, 300));
    EXPECT_FALSE(touch.sampleTouch(x, y));
    EXPECT_EQ(x, 140); // the release does not move the position
    EXPECT_EQ(y, 210);
}

TEST_F(SdlHost, RightButtonAndButtonlessMotionChangeNothing)
{
    open();
    hal->handleEvent(mouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20));
    hal->handleEvent(mouseButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 10, 20));
    int32_t x = 0;
    int32_t y = 0;
    EXPECT_TRUE(touch.sampleTouch(x, y));
    EXPECT_FALSE(touch.sampleTouch(x, y));

    hal->handleEvent(mouseMotion(0, 500, 400));
    hal->handleEvent(mouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 50, 60));
    hal->handleEvent(mouseMotion(SDL_BUTTON(SDL_BUTTON_RIGHT), 70, 80));
    EXPECT_FALSE(touch.sampleTouch(x, y));
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 20);
    hal->handleEvent(mouseButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 70, 80));
    frame();
    frame();
    EXPECT_TRUE(recorder.clicks.empty());
}

TEST_F(SdlHost, TypedCharactersBecomeKeysOnce)
{
    open();
    hal->handleEvent(key(SDL_KEYDOWN, SDLK_a, 'a'));
    frame();
    frame();
    EXPECT_EQ(recorder.keys, std::vector<uint8_t>{97});

    // A key typed while another waits replaces it; characters above 255 and keys
    // without a character are dropped.
    hal->handleEvent(key(SDL_KEYDOWN, SDLK_b, 'b'));
    hal->handleEvent(key(SDL_KEYDOWN, SDLK_c, 0xE9));
    frame();
    hal->handleEvent(key(SDL_KEYDOWN, SDLK_UNKNOWN, 0x263A));
    hal->handleEvent(key(SDL_KEYDOWN, SDLK_LSHIFT, 0));
    frame();
    EXPECT_EQ(recorder.keys, (std::vector<uint8_t>{97, 0xE9}));
}

TEST_F(SdlHost, F3SavesNumberedScreenshotsOfTheWindow)
{
    open();
    for (int i = 0; i < 3; i++) {
        hal->handleEvent(key(SDL_KEYUP, SDLK_F3));
    }
    for (const char* name : {"img00.bmp", "img01.bmp", "img02.bmp"}) {
        SCOPED_TRACE(name);
        SDL_Surface* picture = SDL_LoadBMP((std::string("screenshots/") + name).c_str());
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->w, 800);
        EXPECT_EQ(picture->h, 480);
        SDL_FreeSurface(picture);
    }
    EXPECT_FALSE(fs::exists("screenshots/img03.bmp"));

    EXPECT_TRUE(hal->saveScreenshot("run", "one.bmp"));
    EXPECT_TRUE(fs::exists("screenshots/run/one.bmp"));
}

TEST_F(SdlHost, AScreenshotThatCannotBeWrittenIsDropped)
{
    open();
    std::ofstream("screenshots") << "a file where the folder should be";
    hal->handleEvent(key(SDL_KEYUP, SDLK_F3));
    EXPECT_FALSE(hal->saveScreenshot(nullptr, "img99.bmp"));
    EXPECT_TRUE(fs::is_regular_file("screenshots"));
}

TEST_F(SdlHost, OnlyThePresentedAreaReachesTheWindow)
{
    open();
    const uint16_t red = 0xF800;
    uint16_t* client = hal->getClientFrameBuffer();
    std::fill(client, client + 800 * 480, red);
    hal->presentFrameArea(Rectangle(10, 20, 30, 40));
    hal->presentFrameArea(Rectangle(100, 20, 5, 5));
    EXPECT_EQ(hal->dirtyArea(), Rectangle(10, 20, 95, 40));
    frame(); // ends the frame with a swap pending
    frame(); // shows it
    EXPECT_EQ(hal->getOutputBuffer(), client);
    EXPECT_TRUE(hal->dirtyArea().isEmpty());
    EXPECT_EQ(windowPixel(10, 20), red);
    EXPECT_EQ(windowPixel(104, 59), red);
    EXPECT_EQ(windowPixel(9, 20), 0);
    EXPECT_EQ(windowPixel(105, 20), 0);
    EXPECT_EQ(windowPixel(10, 60), 0);

    // A frame that presents nothing leaves the window alone.
    uint16_t* next = hal->getClientFrameBuffer();
    std::fill(next, next + 800 * 480, uint16_t(0x001F));
    frame();
    frame();
    EXPECT_EQ(windowPixel(10, 20), red);
    EXPECT_EQ(windowPixel(0, 0), 0);
}

TEST_F(SdlHost, FrameBuffersOfFewerBitsAreShownInGrey)
{
    struct Case
    {
        uint8_t depth;
        uint8_t firstByte;
        uint16_t first;
        uint16_t second;
    };
    const Case cases[] = {
        {1, 0x80, 0xFFFF, 0x0000},
        {2, 0x40, 0x52AA, 0x0000}, // 1 * 85
        {4, 0xF8, 0xFFFF, 0x8C51}, // 15 * 17, 8 * 17
        {8, 0x80, 0x8410, 0x0000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.depth));
        struct ShallowLCD : test::NullLCD
        {
            uint8_t depth = 16;
            uint8_t bitDepth() const override { return depth; }
        } shallow;
        shallow.depth = c.depth;
        open(shallow);
        EXPECT_FALSE(HAL::USE_DUAL_BUFFERS);
        uint8_t* bytes = reinterpret_cast<uint8_t*>(hal->getClientFrameBuffer());
        bytes[0] = c.firstByte;
        hal->presentFrame();
        frame();
        frame();
        EXPECT_EQ(windowPixel(0, 0), c.first);
        EXPECT_EQ(windowPixel(1, 0), c.second);
        EXPECT_EQ(windowPixel(799, 479), 0);
        hal.reset();
    }
}

TEST_F(SdlHost, APortraitDisplayTurnsTheWindowAndItsInput)
{
    open();
    hal->setDisplayOrientation(HAL::ORIENTATION_PORTRAIT);
    frame();
    SDL_Surface* window = SDL_GetVideoSurface();
    EXPECT_EQ(window->w, 480);
    EXPECT_EQ(window->h, 800);
    SDL_FillRect(window, nullptr, 0);

    // The frame buffer keeps its native rows: column 10 of row 20 shows at (479 - 20, 10).
    uint16_t* client = hal->getClientFrameBuffer();
    client[20 * HAL::FB_WIDTH + 10] = 0xF800;
    hal->presentFrame();
    frame();
    frame();
    EXPECT_EQ(windowPixel(459, 10), 0xF800);
    EXPECT_EQ(windowPixel(10, 20), 0);

    hal->handleEvent(mouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 459, 10));
    int32_t x = 0;
    int32_t y = 0;
    EXPECT_TRUE(hal->sampleTouch(x, y));
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 480 - 459);
}

TEST_F(SdlHost, AfterEscapeNothingIsHandledAndReentriesWaitIdle)
{
    open();
    // The first entry starts the frame clock, handles ESC and returns on the next event.
    SDL_Event escape = key(SDL_KEYUP, SDLK_ESCAPE);
    SDL_PushEvent(&escape);
    hal->runTaskLoop();
    EXPECT_FALSE(hal->isAlive());
    EXPECT_EQ(recorder.ticks, 0);

    // Frames, touches and keys that arrive now are not handled.
    SDL_Event events[] = {frameEvent(), mouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 5, 5),
                          key(SDL_KEYDOWN, SDLK_a, 'a'), frameEvent()};
    for (SDL_Event& event : events) {
        SDL_PushEvent(&event);
    }
    for (size_t i = 0; i < sizeof(events) / sizeof(events[0]); i++) {
        hal->runTaskLoop();
    }
    int32_t x = 0;
    int32_t y = 0;
    uint8_t typed = 0;
    EXPECT_FALSE(hal->sampleTouch(x, y));
    EXPECT_FALSE(hal->sampleKey(typed));
    EXPECT_EQ(recorder.ticks, 0);

    // A re-entry sleeps until the window has an event; no frame clock is left to wake it.
    std::atomic<bool> pushed{false};
    std::thread window([&pushed] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        SDL_Event expose = {};
        expose.type = SDL_VIDEOEXPOSE;
        pushed = true;
        SDL_PushEvent(&expose);
    });
    const auto start = std::chrono::steady_clock::now();
    const double cpuBefore = threadCpuMilliseconds();
    hal->runTaskLoop();
    const double cpu = threadCpuMilliseconds() - cpuBefore;
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    window.join();
    EXPECT_TRUE(pushed) << "returned after " << wall << " ms without an event";
    EXPECT_LT(cpu, wall / 4) << "the re-entered loop keeps a core busy";

    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    SDL_PumpEvents();
    EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_EVENTMASK(SDL_USEREVENT)), 0);
    EXPECT_EQ(recorder.ticks, 0);
}

TEST_F(SdlHost, TheFrameTimerPostsFrameEvents)
{
    open();
    const auto start = std::chrono::steady_clock::now();
    // Runs the loop until five frames have ticked, then stops it with a window close.
    struct Closer : UIEventListener
    {
        int ticks = 0;
        void onTick() override
        {
            if (++ticks == 5) {
                SDL_Event quit = {};
                quit.type = SDL_QUIT;
                SDL_PushEvent(&quit);
            }
        }
    } closer;
    hal->setListener(&closer);
    hal->runTaskLoop();
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    // Frame events queued ahead of the close on a busy machine still run: at least five.
    EXPECT_GE(closer.ticks, 5);
    EXPECT_FALSE(hal->isAlive());
    EXPECT_GE(wall, 5 * 21.0); // five whole periods: the clock never runs ahead
}
} // namespace
