#ifndef GUICONTROLS_TESTS_KEYBOARDSCREEN_HPP
#define GUICONTROLS_TESTS_KEYBOARDSCREEN_HPP

#include "guicontrols/GenericKeyboard.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <string>

namespace guicontrols
{
namespace test
{
// A keyboard as the content of a screen (below a 72-pixel top bar), typed on through the
// touch panel as a finger would.
template <class Keyboard>
class KeyboardScreen : public WidgetTest
{
protected:
    static const int16_t TOP = 72;

    void SetUp() override
    {
        WidgetTest::SetUp();
        keyboard.setPosition(0, TOP, 800, 337);
        screen.add(keyboard);
        application.switchScreen(&screen);
        frame.frames(1);
    }

    // The centre of grid key i, or of a key at (x, y) of the keyboard.
    static int16_t gridCentreX(uint8_t i) { return static_cast<int16_t>(4 + 72 * (i % 11) + 35); }
    static int16_t gridCentreY(uint8_t i) { return static_cast<int16_t>(TOP + 110 + 72 * (i / 11) + 35); }
    void tapGrid(uint8_t i) { frame.click(gridCentreX(i), gridCentreY(i)); }
    void tapAt(int16_t x, int16_t y) { frame.click(static_cast<int16_t>(x + 35), static_cast<int16_t>(TOP + y + 35)); }
    void tapBackspace() { tapAt(652, 20); } // of the number keyboards
    void tapLeft() { tapAt(652, 254); }
    void tapRight() { tapAt(724, 254); }
    void tapSeparator() { tapAt(724, 110); }

    // Digits and the separator by their keys: '1'..'9' are keys 0..8, '0' key 9.
    void typeDigits(const char* text)
    {
        for (const char* c = text; *c != 0; ++c) {
            if (*c >= '0' && *c <= '9') {
                tapGrid(static_cast<uint8_t>(*c == '0' ? 9 : *c - '1'));
            } else {
                tapSeparator();
            }
        }
    }

    std::u16string text() const { return u16(keyboard.getText()); }

    // Keys take their bitmaps' sizes and texts when the keyboard is built, before SetUp.
    struct Assets
    {
        Assets()
        {
            BitmapDatabase::registerDatabase();
            assets::registerGeneratedTexts();
            quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
        }
    };

    quillon::Screen screen;
    Assets assets;
    Keyboard keyboard;
};
} // namespace test
} // namespace guicontrols

#endif
