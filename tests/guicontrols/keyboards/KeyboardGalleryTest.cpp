// The keyboards on the gallery: typed on through the touch panel, checked, and written to
// widget-gallery/keyboards.png as six keyboard panels one above the other.

#include "guicontrols/CustomKeyboard.hpp"
#include "guicontrols/FloatKeyboard.hpp"
#include "guicontrols/Gallery.hpp"
#include "guicontrols/IPKeyboard.hpp"
#include "guicontrols/Palette.hpp"
#include "KeyboardScreen.hpp"

#include <quillon/widgets/Box.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
const quillon::Color BACKGROUND = 0x2945;
const int16_t PANEL_HEIGHT = 337;

class KeyboardGalleryTest : public KeyboardScreen<CustomKeyboard>
{
protected:
    void SetUp() override
    {
        background.setPosition(0, 0, 800, 480);
        background.setColor(BACKGROUND);
        screen.add(background);
        KeyboardScreen<CustomKeyboard>::SetUp();
    }

    // The keyboard's rows of the display, appended to the picture.
    void keepPanel()
    {
        const std::vector<quillon::Color> pixels = snapshot(frame);
        picture.insert(picture.end(), pixels.begin() + TOP * 800, pixels.begin() + (TOP + PANEL_HEIGHT) * 800);
    }

    // Puts another keyboard in the content's place.
    void show(GenericKeyboard& next)
    {
        current->setVisible(false);
        current = &next;
        next.setPosition(0, TOP, 800, PANEL_HEIGHT);
        screen.add(next);
        application.invalidate();
        frame.frames(1);
    }

    // The edit line: its background at the corners, and the 3 x 30 cursor bar where the
    // cursor is, in the cursor colour and nowhere else.
    void expectEditLine(const GenericKeyboard& shown)
    {
        const KeyboardTextBuffer& line = shown.getTextBuffer();
        const Rectangle area = line.getAbsoluteRect();
        EXPECT_EQ(area, Rectangle(152, TOP + 20, 494, 70));
        EXPECT_EQ(frame.at(area.x, area.y), Palette::entry(11));
        EXPECT_EQ(frame.at(static_cast<int16_t>(area.right() - 1), static_cast<int16_t>(area.bottom() - 1)),
                  Palette::entry(11));
        const int16_t x = static_cast<int16_t>(area.x + 15 - line.getScrollX() + line.textWidth(line.getCursor()));
        EXPECT_EQ(frame.count(Palette::entry(9), area), 3 * 30);
        EXPECT_EQ(frame.count(Palette::entry(9), Rectangle(x, static_cast<int16_t>(area.y + 15), 3, 30)), 3 * 30);
    }

    quillon::Box background;
    GenericKeyboard* current = &keyboard;
    std::vector<quillon::Color> picture;
};
} // namespace

TEST_F(KeyboardGalleryTest, Keyboards)
{
    // "hello" by clicks on h, e, l, l, o.
    for (uint8_t key : {16, 2, 19, 19, 8}) {
        tapGrid(key);
    }
    // A press on x dragged off onto the edit line types nothing.
    frame.touch().press(gridCentreX(23), gridCentreY(23));
    frame.frames(2);
    for (int16_t y = gridCentreY(23); y > TOP + 40; y = static_cast<int16_t>(y - 40)) {
        frame.touch().press(gridCentreX(23), y);
        frame.frames(1);
    }
    frame.touch().release();
    frame.frames(2);
    EXPECT_EQ(text(), u"hello");
    expectEditLine(keyboard);
    // The letter keys show their characters; the gaps are dimmed.
    EXPECT_NE(frame.at(gridCentreX(10), gridCentreY(10)), frame.at(gridCentreX(9), gridCentreY(9)));
    keepPanel();

    const std::vector<quillon::Color> lower = snapshot(frame);
    tapAt(4, 20); // shift
    const std::vector<quillon::Color> upper = snapshot(frame);
    EXPECT_TRUE(keyboard.isShiftActive());
    const Rectangle shiftKey(4, TOP + 20, 142, 70);
    int changed = 0;
    for (int16_t y = shiftKey.y; y < shiftKey.bottom(); ++y) {
        for (int16_t x = shiftKey.x; x < shiftKey.right(); ++x) {
            changed += lower[y * 800 + x] != upper[y * 800 + x] ? 1 : 0;
        }
    }
    EXPECT_GT(changed, 200); // the frame over the active shift key
    tapGrid(0);
    EXPECT_EQ(text(), u"helloQ");
    keepPanel();

    // The digit page with a masked line: three asterisks, the cursor after the third.
    tapAt(652, 20);
    keyboard.setMasked(true);
    keyboard.setText(w(u"abc"));
    frame.frames(1);
    EXPECT_EQ(keyboard.getMode(), CustomKeyboard::SYMBOLS);
    expectEditLine(keyboard);
    keepPanel();

    // A text wider than the line shows its end, cut at the left margin.
    keyboard.setMasked(false);
    ASSERT_TRUE(keyboard.setText(w(u"service@heating-engineers-of-the-region.co.uk")));
    frame.frames(1);
    EXPECT_GT(keyboard.getTextBuffer().getScrollX(), 0);
    expectEditLine(keyboard);
    keepPanel();

    FloatKeyboard decimal;
    decimal.setMaxLength(8);
    decimal.setMaxDecimals(2);
    show(decimal);
    typeDigits("1234.56");
    EXPECT_EQ(u16(decimal.getText()), u"1234.56");
    expectEditLine(decimal);
    keepPanel();

    IPKeyboard address;
    show(address);
    typeDigits("192.168.001.010");
    EXPECT_EQ(u16(address.getText()), u"192.168.001.010");
    expectEditLine(address);
    keepPanel();

    EXPECT_TRUE(writeGalleryPng("keyboards", 800, 6 * PANEL_HEIGHT, picture));
}
