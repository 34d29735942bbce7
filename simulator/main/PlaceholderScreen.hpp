#ifndef SIMULATOR_MAIN_PLACEHOLDERSCREEN_HPP
#define SIMULATOR_MAIN_PLACEHOLDERSCREEN_HPP

#include <quillon/Application.hpp>
#include <quillon/Callback.hpp>
#include <quillon/Screen.hpp>
#include <quillon/containers/ScrollableContainer.hpp>
#include <quillon/widgets/Box.hpp>
#include <quillon/widgets/ButtonWithLabel.hpp>
#include <quillon/widgets/Image.hpp>
#include <quillon/widgets/TextArea.hpp>
#include <quillon/widgets/TextAreaWithOneWildcard.hpp>
#include <quillon/Widget.hpp>

// Stands in for the application shell until it lands: the GUI task shows this one framework
// screen built from the basic widgets and the real assets (a sample of each of the eight
// fonts in a scrollable area, bitmaps, and a button that toggles when clicked). The shell's
// FrontendHeap and FrontendApplication replace it, together with PlaceholderApplication.

// A literal text in one font of the font table: the biggest font has no text of its own.
class FontSample : public quillon::Widget
{
public:
    FontSample() : fontIndex(0), text(nullptr), color(0) {}
    void setSample(uint8_t fontIndex, const quillon::WideChar* text, quillon::Color color);
    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }

private:
    uint8_t fontIndex;
    const quillon::WideChar* text;
    quillon::Color color;
};

class PlaceholderScreen : public quillon::Screen
{
public:
    static const uint8_t FONT_SAMPLES = 8;

    // Where the parts sit, for whoever checks the picture.
    static const quillon::Rectangle BUTTON_AREA;
    static const quillon::Rectangle SCROLL_AREA;

    PlaceholderScreen();
    void setUp() override;

    bool isSwitchedOn() const { return switchedOn; }

private:
    void buttonClicked(const quillon::AbstractButton& source);
    void showSwitchState();

    quillon::Box background;
    quillon::Box header;
    quillon::Image headerIcons[5];
    quillon::ScrollableContainer samples;
    quillon::TextAreaWithOneWildcard valueSamples[5]; // fonts 0, 1, 4, 5 and 6 hold only value texts
    quillon::TextArea textSamples[2];                // fonts 2 and 3
    FontSample bigDigits;                            // font 7
    quillon::ButtonWithLabel button;
    quillon::Image weatherIcons[4];
    quillon::Image house;
    quillon::Callback<PlaceholderScreen, const quillon::AbstractButton&> buttonCallback;
    bool switchedOn;
};

// The application object the framework needs until the shell's own arrives.
class PlaceholderApplication : public quillon::Application
{
public:
    PlaceholderApplication() : pending(nullptr) { instance = this; }

    // The screen comes in at the next tick, so that its first drawing runs through a frame
    // and reaches both frame buffers, as every later change does.
    void show(quillon::Screen& screen) { pending = &screen; }
    void onTick() override;

private:
    quillon::Screen* pending;
};

// Builds the placeholder application on its first call; the screen shows from the next frame.
PlaceholderApplication& showPlaceholderScreen();
PlaceholderScreen& placeholderScreen();

#endif
