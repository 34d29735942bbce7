#include "simulator/main/PlaceholderScreen.hpp"

#include <quillon/Bitmap.hpp>
#include <quillon/TypedText.hpp>
#include <quillon/hal/HAL.hpp>
#include <quillon/lcd/LCD.hpp>

namespace
{
using quillon::Color;
using quillon::Rectangle;
using quillon::WideChar;

const Color WHITE = 0xFFFF;
const Color HEADER_GREY = 0x3186;
const Color TEXT_BLACK = 0x0000;
const Color SAMPLE_BLUE = 0x0319;
const Color SCROLLBAR_GREY = 0x7BEF;

// Text ids of the compiled-in texts.
const quillon::TextId TEXT_TEMPERATURE_CELSIUS = 21; // font 0, "%s°C"
const quillon::TextId TEXT_FONT1_VALUE = 1255;       // font 1, "%s"
const quillon::TextId TEXT_CIRCULATION_PUMP = 200;   // font 2
const quillon::TextId TEXT_KEYBOARD_LETTERS = 36;    // font 3
const quillon::TextId TEXT_FONT4_VALUE = 19;         // font 4, "%s"
const quillon::TextId TEXT_FONT5_DEGREES = 20;       // font 5, "%s°"
const quillon::TextId TEXT_FONT6_DEGREES = 48;       // font 6, "%s°"
const quillon::TextId TEXT_ON = 902;
const quillon::TextId TEXT_OFF = 825;

// Bitmap ids.
const quillon::BitmapId BITMAP_SMALL_BUTTON_RELEASED = 2;
const quillon::BitmapId BITMAP_SMALL_CHECK = 3;
const quillon::BitmapId BITMAP_SMALL_BUTTON_PRESSED = 4;
const quillon::BitmapId BITMAP_HOUSE = 68;
const quillon::BitmapId HEADER_BITMAPS[] = {109, 120, 170, 168, 123}; // heating, DHW, solar, settings, information
const quillon::BitmapId WEATHER_BITMAPS[] = {155, 145, 157, 105};    // flame, sun, moon, frost

const WideChar VALUE_FONT0[] = {'2', '1', '.', '5', 0};
const WideChar VALUE_FONT1[] = {'Q', 'u', 'i', 'l', 'l', 'o', 'n', ' ', '1', '2', '3', 0};
const WideChar VALUE_FONT4[] = {'1', '2', '3', '4', '5', 0};
const WideChar VALUE_FONT5[] = {'+', '5', '.', '0', 0};
const WideChar VALUE_FONT6[] = {'5', '8', 0};
const WideChar VALUE_FONT7[] = {'2', '1', ',', '5', 0xB0, 0};

const int16_t SAMPLE_GAP = 8;
} // namespace

const Rectangle PlaceholderScreen::BUTTON_AREA(600, 100, 142, 70);
const Rectangle PlaceholderScreen::SCROLL_AREA(16, 86, 500, 378);

void FontSample::setSample(uint8_t index, const WideChar* sample, Color sampleColor)
{
    fontIndex = index;
    text = sample;
    color = sampleColor;
}

void FontSample::draw(const Rectangle& area) const
{
    const quillon::Font* const* fonts = quillon::TypedText::getFontTable();
    if (fonts == nullptr || fonts[fontIndex] == nullptr || text == nullptr) {
        return;
    }
    const quillon::LCD::TextStyle style(fonts[fontIndex], color, 255, quillon::LEFT, 0, 0);
    quillon::HAL::lcd().drawString(getAbsoluteRect(), area, style, text);
}

PlaceholderScreen::PlaceholderScreen()
    : buttonCallback(this, &PlaceholderScreen::buttonClicked), switchedOn(false)
{
}

void PlaceholderScreen::setUp()
{
    background.setPosition(0, 0, 800, 480);
    background.setColor(WHITE);
    add(background);

    header.setPosition(0, 0, 800, 70);
    header.setColor(HEADER_GREY);
    add(header);
    for (int i = 0; i < 5; i++) {
        headerIcons[i].setBitmap(quillon::Bitmap(HEADER_BITMAPS[i]));
        headerIcons[i].setXY(static_cast<int16_t>(16 + i * 80), 3);
        add(headerIcons[i]);
    }

    // One sample per font, stacked taller than the area so that it scrolls.
    samples.setPosition(SCROLL_AREA.x, SCROLL_AREA.y, SCROLL_AREA.width, SCROLL_AREA.height);
    samples.setScrollbarsColor(SCROLLBAR_GREY);
    samples.setScrollbarWidth(4);
    const quillon::TextId valueTexts[] = {TEXT_TEMPERATURE_CELSIUS, TEXT_FONT1_VALUE, TEXT_FONT4_VALUE,
                                          TEXT_FONT5_DEGREES, TEXT_FONT6_DEGREES};
    const WideChar* const values[] = {VALUE_FONT0, VALUE_FONT1, VALUE_FONT4, VALUE_FONT5, VALUE_FONT6};
    const quillon::TextId plainTexts[] = {TEXT_CIRCULATION_PUMP, TEXT_KEYBOARD_LETTERS};
    quillon::TextArea* inFontOrder[] = {&valueSamples[0], &valueSamples[1], &textSamples[0], &textSamples[1],
                                        &valueSamples[2], &valueSamples[3], &valueSamples[4]};
    for (int i = 0; i < 5; i++) {
        valueSamples[i].setWildcard(values[i]);
        valueSamples[i].setTextId(quillon::TypedText(valueTexts[i]));
    }
    for (int i = 0; i < 2; i++) {
        textSamples[i].setTextId(quillon::TypedText(plainTexts[i]));
    }
    int16_t y = 0;
    for (quillon::TextArea* sample : inFontOrder) {
        sample->setColor(y == 0 ? SAMPLE_BLUE : TEXT_BLACK);
        sample->setPosition(0, y, static_cast<int16_t>(SCROLL_AREA.width - 12), sample->getTextHeight());
        samples.add(*sample);
        y = static_cast<int16_t>(y + sample->getHeight() + SAMPLE_GAP);
    }
    const quillon::Font* const* fonts = quillon::TypedText::getFontTable();
    const int16_t bigHeight = fonts != nullptr && fonts[7] != nullptr ? static_cast<int16_t>(fonts[7]->getFullHeight()) : 0;
    bigDigits.setSample(7, VALUE_FONT7, SAMPLE_BLUE);
    bigDigits.setPosition(0, y, static_cast<int16_t>(SCROLL_AREA.width - 12), bigHeight);
    samples.add(bigDigits);
    add(samples);

    button.setXY(BUTTON_AREA.x, BUTTON_AREA.y);
    button.setLabelColorPressed(WHITE);
    button.setAction(buttonCallback);
    showSwitchState();
    add(button);

    for (int i = 0; i < 4; i++) {
        weatherIcons[i].setBitmap(quillon::Bitmap(WEATHER_BITMAPS[i]));
        weatherIcons[i].setXY(static_cast<int16_t>(560 + i * 56), 196);
        add(weatherIcons[i]);
    }
    house.setBitmap(quillon::Bitmap(BITMAP_HOUSE));
    house.setXY(550, 262);
    add(house);
}

void PlaceholderScreen::buttonClicked(const quillon::AbstractButton&)
{
    switchedOn = !switchedOn;
    showSwitchState();
    button.invalidate();
}

void PlaceholderScreen::showSwitchState()
{
    button.setBitmaps(quillon::Bitmap(switchedOn ? BITMAP_SMALL_CHECK : BITMAP_SMALL_BUTTON_RELEASED),
                      quillon::Bitmap(BITMAP_SMALL_BUTTON_PRESSED));
    button.setLabelText(quillon::TypedText(switchedOn ? TEXT_ON : TEXT_OFF));
    button.setLabelColor(switchedOn ? TEXT_BLACK : WHITE); // the check bitmap is light
}

PlaceholderScreen& placeholderScreen()
{
    static PlaceholderScreen screen;
    return screen;
}

PlaceholderApplication& showPlaceholderScreen()
{
    static PlaceholderApplication application;
    application.show(placeholderScreen());
    return application;
}

void PlaceholderApplication::onTick()
{
    Application::onTick();
    if (pending != nullptr) {
        quillon::Screen* screen = pending;
        pending = nullptr;
        switchScreen(screen);
    }
}
