#include "guicontrols/MainTopBar.hpp"

#include "guicontrols/Palette.hpp"
#include "helpers/BoardWrappers.hpp"

#include <quillon/Application.hpp>
#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/WideString.hpp>
#include <quillon/hal/HAL.hpp>

namespace guicontrols
{
using quillon::Bitmap;

namespace
{
const quillon::BitmapId MENU_RELEASED = 228;
const quillon::BitmapId MENU_PRESSED = 229;
const quillon::BitmapId SEPARATOR = 230;
const quillon::BitmapId CENTER_IMAGE = 231;
const quillon::BitmapId CLOCK_BACKGROUND = 228;
const quillon::TextId MENU_TEXT = 1483;
const quillon::TextId WILDCARD_TEXT = 1255;
const uint8_t TEXT_COLOR = 11;
const quillon::FontId TITLE_FONT = 3;
const int16_t CENTER_X = 115;
const int16_t CENTER_WIDTH = 570;
const int16_t SEPARATOR1_X = 111;
const int16_t SEPARATOR2_X = 685;
const int16_t CLOCK_X = 689;
const int16_t CLOCK_WIDTH = 111;
const int16_t DATE_Y = 8;
const int16_t TIME_Y = 32;
const int16_t CLOCK_TEXT_HEIGHT = 26;
const int MENU_BUTTON = 0;
const int CENTER_BUTTON = 1;

const MainTopBar::Clock BOARD_CLOCK = {helpers::readRtc, helpers::hasClockChanged};
} // namespace

const MainTopBar::Clock& MainTopBar::boardClock()
{
    return BOARD_CLOCK;
}

MainTopBar::MainTopBar() : MainTopBar(BOARD_CLOCK) {}

MainTopBar::MainTopBar(const Clock& clockSource)
    : clock(clockSource), buttonHandler(this, &MainTopBar::onButtonClicked), barCallback(nullptr)
{
    titleBuffer[0] = 0;
    dateBuffer[0] = 0;
    timeBuffer[0] = 0;
    build();
    updateDateTime();
    quillon::Application* application = quillon::Application::getInstance();
    if (application != nullptr) {
        application->addTimerWidget(this);
    }
}

MainTopBar::~MainTopBar()
{
    quillon::Application* application = quillon::Application::getInstance();
    if (application != nullptr) {
        application->removeTimerWidget(this);
    }
}

void MainTopBar::build()
{
    const quillon::Color textColor = Palette::entry(TEXT_COLOR);
    menuButton.setBitmaps(Bitmap(MENU_RELEASED), Bitmap(MENU_PRESSED));
    menuButton.setXY(0, 0);
    menuButton.setLabelText(quillon::TypedText(MENU_TEXT));
    menuButton.setLabelColor(textColor);
    menuButton.setLabelColorPressed(textColor);
    menuButton.setAction(buttonHandler);
    setPosition(0, 0, static_cast<int16_t>(quillon::HAL::SCREEN_WIDTH), menuButton.getHeight());

    separator1.setBitmap(Bitmap(SEPARATOR));
    separator1.setXY(SEPARATOR1_X, 0);

    centerButton.setXY(CENTER_X, 0);
    centerButton.setWidth(CENTER_WIDTH);
    centerButton.setHeight(getHeight());
    centerButton.setCircuits(true, false, false);
    centerButton.selectCircuit(0);
    centerButton.setAction(buttonHandler);

    centerImage.setBitmap(Bitmap(CENTER_IMAGE));
    centerImage.setPosition(CENTER_X, 0, CENTER_WIDTH, getHeight());
    centerImage.setVisible(false);

    titleField.setPosition(CENTER_X, 0, CENTER_WIDTH, getHeight());
    titleField.setAlignment(1);
    titleField.setVerticalAlignment(1);
    titleField.setColor(textColor);
    titleField.setText(titleBuffer, ApplicationFontProvider().getFont(TITLE_FONT));
    titleField.setVisible(false);

    separator2.setBitmap(Bitmap(SEPARATOR));
    separator2.setXY(SEPARATOR2_X, 0);
    clockBackground.setBitmap(Bitmap(CLOCK_BACKGROUND));
    clockBackground.setXY(CLOCK_X, 0);

    quillon::TextAreaWithOneWildcard* texts[] = {&date, &time};
    quillon::WideChar* buffers[] = {dateBuffer, timeBuffer};
    const int16_t rows[] = {DATE_Y, TIME_Y};
    for (int i = 0; i < 2; ++i) {
        texts[i]->setPosition(CLOCK_X, rows[i], CLOCK_WIDTH, CLOCK_TEXT_HEIGHT);
        texts[i]->setTextId(quillon::TypedText(WILDCARD_TEXT));
        texts[i]->setColor(textColor);
        texts[i]->setWildcard(buffers[i]);
    }

    add(menuButton);
    add(separator1);
    add(centerImage);
    add(titleField);
    add(centerButton);
    add(separator2);
    add(clockBackground);
    add(date);
    add(time);
}

void MainTopBar::onTick()
{
    if (clock.changed != nullptr && clock.changed()) {
        updateDateTime();
    }
}

void MainTopBar::updateDateTime()
{
    if (clock.read != nullptr) {
        clock.read(clockValue); // a failed read leaves the last value shown
    }
    clockValue.formatShortDate(dateBuffer, CLOCK_TEXT_CAPACITY, true, true);
    clockValue.getTime().format(timeBuffer, CLOCK_TEXT_CAPACITY);
    date.invalidate();
    time.invalidate();
}

void MainTopBar::setCircuits(uint8_t selected, bool circuit1, bool circuit2, bool circuit3)
{
    centerButton.selectCircuit(selected);
    centerButton.setCircuits(circuit1, circuit2, circuit3);
}

void MainTopBar::setCenterButtonVisible(bool visible)
{
    centerButton.setVisible(visible);
    centerImage.setVisible(!visible);
    titleField.setVisible(!visible);
}

void MainTopBar::setTitle(const quillon::WideChar* text)
{
    if (text == nullptr) {
        titleBuffer[0] = 0;
    } else {
        // One unit short of the buffer, so that a long title still ends in a terminator.
        quillon::WideString::strncpy(titleBuffer, text, TITLE_CAPACITY - 1);
        titleBuffer[TITLE_CAPACITY - 1] = 0;
    }
    titleField.invalidate();
}

void MainTopBar::onButtonClicked(const quillon::AbstractButton& button)
{
    if (barCallback == nullptr || !barCallback->isValid()) {
        return;
    }
    if (&button == &menuButton) {
        barCallback->execute(MENU_BUTTON);
    } else if (&button == &centerButton) {
        barCallback->execute(CENTER_BUTTON);
    }
}
} // namespace guicontrols
