#ifndef TESTS_SUPPORT_ROADS_HPP
#define TESTS_SUPPORT_ROADS_HPP

#include <cstdint>

// For every page object of the tree (in the tree's member order), the touches that reach it
// from start-up with the seeded installation, or why none does. The headless road test and
// the screenshot tour both follow this table.
namespace roads
{
// Frames of the start-up splash until the page it decides on is drawn.
const uint32_t SPLASH_FRAMES = 1 + 250 + 2;
// After an ordinary touch: its press and release, the page change and its first drawing.
const uint32_t TOUCH_FRAMES = 3;

struct Point
{
    int16_t x;
    int16_t y;
    // Frames to wait after the touch: TOUCH_FRAMES, or longer where a splash runs again.
    uint32_t frames = TOUCH_FRAMES;
};

struct Road
{
    const char* page;     // the member of the page tree
    uint16_t pageId;
    const char* why;      // why no touches lead there; null when they do
    const Point* touches; // from the page the splash leads to
    uint32_t touchCount;
    // The bottom bar's home button leads home from the road's end (else a tour starts afresh).
    bool homeReturns = true;
};

// The home button of the bottom bar.
const Point HOME_TOUCH = {65, 445};
const uint16_t LANGUAGE_COUNT = 10;
// The touches from the home page that switch the panel to the language on the language
// screen and come home again; at most MAX_LANGUAGE_TOUCHES.
const uint32_t MAX_LANGUAGE_TOUCHES = 7;
uint32_t languageTouches(uint16_t language, Point* touches);
// "english" for 1; null above the last language.
const char* languageName(uint16_t language);

// All page objects, in the tree's order.
const Road* table();
uint32_t tableSize();
} // namespace roads

#endif
